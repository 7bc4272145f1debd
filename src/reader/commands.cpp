#include "reader/commands.h"

#include <array>

#include "reader/format_menu.h"
#include "reader/tform1.h"
#include "reader/words_per_screen.h"

namespace reader {
namespace {

// Words-per-screen item `I`: its name and caption, handler and check mark.
template <std::size_t I> constexpr Command wordsItem() {
  return {.component = WordsPerScreenItems[I].component,
          .caption = WordsPerScreenItems[I].caption,
          .family = Family::Banner,
          .menu = MenuId::WordsPerScreen,
          .handler = [](TForm1& f) { f.chooseWordsPerScreen(I); },
          .checked = [](const TForm1& f) { return f.wordsPerScreenChecked(I); }};
}

// Colour scheme `I` of the Format menu (the order of ColourSchemes).
template <std::size_t I>
constexpr Command colourItem(std::string_view component, std::string_view caption) {
  return {.component = component,
          .caption = caption,
          .menu = MenuId::Color,
          .handler = [](TForm1& f) { f.chooseColourScheme(I); },
          .checked = [](const TForm1& f) { return f.colourSchemeChecked(I); }};
}

// Font item `I` of the Format menu (the order of FontItems).
template <std::size_t I> constexpr Command fontItem() {
  return {.component = FontItems[I].component,
          .caption = FontItems[I].caption,
          .menu = MenuId::Font,
          .handler = [](TForm1& f) { f.chooseFont(I); },
          .checked = [](const TForm1& f) { return f.fontChecked(I); },
          .visible = FontItems[I].shown ? nullptr : +[](const TForm1&) { return false; }};
}

// Size item of the size list's index `I`, captioned with its points.
template <std::size_t I> constexpr Command sizeItem(std::string_view component) {
  return {.component = component,
          .caption = component.substr(4), // "Size36" shows "36"
          .menu = MenuId::Size,
          .handler = [](TForm1& f) { f.chooseSize(I); },
          .checked = [](const TForm1& f) { return f.sizeChecked(I); },
          .enabled = [](const TForm1& f) { return f.sizeEnabled(I); },
          .visible = [](const TForm1& f) { return f.sizeShown(I); }};
}

template <AlignItem Item>
constexpr Command alignItem(std::string_view component, std::string_view caption) {
  return {.component = component,
          .caption = caption,
          .menu = MenuId::Alignment,
          .handler = [](TForm1& f) { f.chooseAlignment(Item); },
          .checked = [](const TForm1& f) { return f.alignmentChecked(Item); },
          .visible = [](const TForm1& f) { return f.alignmentShown(Item); }};
}

// Reading-mode item of the Format menu, checked in its mode.
template <engine::ReadingModeKind Mode>
constexpr Command modeItem(std::string_view component, std::string_view caption,
                           CommandHandler handler) {
  return {.component = component,
          .caption = caption,
          .menu = MenuId::ReadingModes,
          .handler = handler,
          .checked = [](const TForm1& f) { return f.readingModeChecked(Mode); }};
}

// A bare key of the key table.
constexpr Command key(KeyStroke stroke, Family family, CommandHandler handler,
                      KeyPhase phase = KeyPhase::Down) {
  return {.key = stroke, .phase = phase, .family = family, .handler = handler};
}

// A button or paint box of the window, named after its control.
constexpr Command control(std::string_view component, std::string_view hint,
                          CommandHandler handler) {
  return {.component = component, .caption = hint, .handler = handler};
}

constexpr Command item(MenuId menu, std::string_view component, std::string_view caption,
                       CommandHandler handler, Family family = Family::Both) {
  return {.component = component,
          .caption = caption,
          .family = family,
          .menu = menu,
          .handler = handler};
}

// A menu item that shows a shortcut text beside its caption.
constexpr Command shortcutItem(MenuId menu, std::string_view component, std::string_view caption,
                               std::string_view shortcut, CommandHandler handler) {
  return {.component = component,
          .caption = caption,
          .shortcut = shortcut,
          .menu = menu,
          .handler = handler};
}

// AutoSkim item of `Level` (-1 off, 0..4 the presets, 5 custom).
template <int Level>
constexpr Command skimItem(std::string_view component, std::string_view caption) {
  return {.component = component,
          .caption = caption,
          .menu = MenuId::AutoSkim,
          .handler = [](TForm1& f) { f.chooseAutoSkim(Level); },
          .checked = [](const TForm1& f) { return f.autoSkimChecked(Level); }};
}

// An item of the column popup that is greyed at the last page.
constexpr Command pageItem(std::string_view component, std::string_view caption,
                           CommandHandler handler) {
  return {.component = component,
          .caption = caption,
          .family = Family::Column,
          .menu = MenuId::pmColumn,
          .handler = handler,
          .enabled = [](const TForm1& f) { return f.columnPageItemsEnabled(); }};
}

constexpr std::array Menus = {
    MenuInfo{MenuId::File, MenuId::None, "File1", "&File"},
    MenuInfo{MenuId::RecentFiles, MenuId::File, "Reopen", "&Recent Files"},
    MenuInfo{MenuId::Speed, MenuId::None, "Speed1", "&Speed"},
    MenuInfo{MenuId::WordsPerScreen, MenuId::Speed, "WordsperScreen1", "&Words per Screen"},
    MenuInfo{MenuId::Format, MenuId::None, "Format1", "Forma&t"},
    MenuInfo{MenuId::Font, MenuId::Format, "Font1", "&Font"},
    MenuInfo{MenuId::Size, MenuId::Format, "Size1", "&Size"},
    MenuInfo{MenuId::Color, MenuId::Format, "Color1", "&Color"},
    MenuInfo{MenuId::Alignment, MenuId::Format, "Alignment1", "&Alignment"},
    MenuInfo{MenuId::ReadingModes, MenuId::Format, "ReadingModes1", "&Reading Modes"},
    MenuInfo{MenuId::AutoSkim, MenuId::None, "AutoSkim1", "&AutoSkim"},
    MenuInfo{MenuId::Options, MenuId::None, "Options1", "&Options"},
    MenuInfo{MenuId::Help, MenuId::None, "Help1", "&Help"},
    MenuInfo{MenuId::pmBanner, MenuId::None, "pmBanner", ""},
    MenuInfo{MenuId::pmColumn, MenuId::None, "pmColumn", ""},
};

constexpr std::array Commands = {
    // --- Main menu ---------------------------------------------------------------------
    item(MenuId::File, "OpenFile1", "Open &File ...", [](TForm1& f) { f.OpenFile1Click(); }),
    item(MenuId::File, "Library1", "&Library ...", [](TForm1& f) { f.Library1Click(); }),
    item(MenuId::File, "Exit2", "E&xit", [](TForm1& f) { f.Exit2Click(); }),
    item(MenuId::Speed, "IncreaseSpeed1", "&Increase Speed          Up Arrow",
         [](TForm1& f) { f.increaseSpeed(); }),
    item(MenuId::Speed, "DecreaseSpeedDownArrow1", "&Decrease Speed    Down Arrow",
         [](TForm1& f) { f.decreaseSpeed(); }),
    wordsItem<0>(),
    wordsItem<1>(),
    wordsItem<2>(),
    wordsItem<3>(),
    wordsItem<4>(),
    wordsItem<5>(),
    wordsItem<6>(),
    wordsItem<7>(),
    wordsItem<8>(),
    wordsItem<9>(),
    wordsItem<10>(),
    wordsItem<11>(),
    wordsItem<12>(),
    fontItem<0>(),
    fontItem<1>(),
    fontItem<2>(),
    fontItem<3>(),
    fontItem<4>(),
    fontItem<5>(),
    sizeItem<0>("Size8"),
    sizeItem<1>("Size9"),
    sizeItem<2>("Size10"),
    sizeItem<3>("Size11"),
    sizeItem<4>("Size12"),
    sizeItem<5>("Size14"),
    sizeItem<6>("Size16"),
    sizeItem<7>("Size18"),
    sizeItem<8>("Size20"),
    sizeItem<9>("Size22"),
    sizeItem<10>("Size24"),
    sizeItem<11>("Size28"),
    sizeItem<12>("Size36"),
    sizeItem<13>("Size48"),
    colourItem<0>("GrayonBlack1", "&Gray text on Black"),
    colourItem<1>("YellowonBlack1", "&Yellow text on Black"),
    colourItem<2>("WhiteonBlack1", "&White text on Black"),
    colourItem<3>("GrayonWhite1", "G&ray text on White"),
    colourItem<4>("BlacktextonWhite1", "&Black text on White"),
    colourItem<5>("DarkRedtextonGray1", "&Dark Red text on Gray"),
    colourItem<6>("GraytextonNavy1", "Gray text on &Navy"),
    alignItem<AlignItem::Left>("AlignLeft1", "Align &Left"),
    alignItem<AlignItem::Center>("Center1", "&Center"),
    alignItem<AlignItem::Justify>("Justify1", "&Justify"),
    modeItem<engine::ReadingModeKind::Single>("Single1", "&Single",
                                              [](TForm1& f) { f.imgSingleColumnClick(); }),
    modeItem<engine::ReadingModeKind::Double>("Double1", "&Double",
                                              [](TForm1& f) { f.imgDoubleColumnClick(); }),
    modeItem<engine::ReadingModeKind::Banner>("Banner1", "&Banner",
                                              [](TForm1& f) { f.imgBannerReaderClick(); }),
    modeItem<engine::ReadingModeKind::Sentence>("Sentence1", "&Sentence",
                                                [](TForm1& f) { f.imgSentenceReaderClick(); }),
    item(MenuId::Speed, "SpeedSettings1", "&Speed Settings ...",
         [](TForm1& f) { f.SpeedSettings1Click(); }),
    item(MenuId::Format, "FullScreen1", "&Full Screen", [](TForm1& f) { f.enterFullScreen(); }),
    skimItem<-1>("AutoSkimOff1", "AutoSkim &Off"),
    skimItem<0>("N10ofWordsExtracted1", "&10% of Words Extracted"),
    skimItem<1>("N20ofWordsExtracted1", "&20% of Words Extracted"),
    skimItem<2>("N30ofWordsExtracted1", "&30% of Words Extracted"),
    skimItem<3>("N40ofWordsExtracted1", "&40% of Words Extracted"),
    skimItem<4>("N40ofWordsExtracted2", "&50% of Words Extracted"),
    skimItem<5>("CustomofWordsExtracted1", "&Custom"),
    item(MenuId::AutoSkim, "AutoSkimSettings1", "&AutoSkim Settings ...",
         [](TForm1& f) { f.showOptionsPage("AutoSkim"); }),
    item(MenuId::Options, "General1", "&General ...",
         [](TForm1& f) { f.showOptionsPage("General"); }),
    item(MenuId::Options, "extRules1", "&Text Rules ...",
         [](TForm1& f) { f.showOptionsPage("TextRules"); }),
    item(MenuId::Options, "AutoSkim2", "&AutoSkim ...",
         [](TForm1& f) { f.showOptionsPage("AutoSkim"); }),
    shortcutItem(MenuId::Help, "Help2", "&Help", "F1", [](TForm1& f) { f.Help2Click(); }),
    item(MenuId::Help, "LumetraontheWeb1", "Lumetra on the &Web",
         [](TForm1& f) { f.LumetraontheWeb1Click(); }),
    item(MenuId::Help, "WelcomeScreen1", "Welcome &Screen",
         [](TForm1& f) { f.WelcomeScreen1Click(); }),
    item(MenuId::Help, "AboutLumetra1", "&About Lumetra ...",
         [](TForm1& f) { f.AboutLumetra1Click(); }),

    // --- Popup of the banner modes -------------------------------------------------------
    Command{.component = "Pause1",
            .caption = "&Pause",
            .family = Family::Banner,
            .menu = MenuId::pmBanner,
            .handler = [](TForm1& f) { f.Pause1Click(); },
            .captionNow = [](const TForm1& f) -> const std::string& { return f.pauseCaption(); }},
    item(MenuId::pmBanner, "GoToLast1", "Go To &Last", [](TForm1& f) { f.fevhGoToLast(); }),
    item(MenuId::pmBanner, "GoToStart1", "Go To &Start", [](TForm1& f) { f.fevhRestart(); }),
    item(MenuId::pmBanner, "FindText1", "&Find Text", [](TForm1& f) { f.FindText1Click(); }),
    item(MenuId::pmBanner, "IncreaseSpeedUpArrow1", "&Increase Speed     (Up Arrow)",
         [](TForm1& f) { f.increaseSpeed(); }),
    item(MenuId::pmBanner, "DecreaseSpeedDownArrow2", "&Decrease Speed    (Down Arrow)",
         [](TForm1& f) { f.decreaseSpeed(); }),
    item(MenuId::pmBanner, "SpeedSettings2", "&Speed Settings ...",
         [](TForm1& f) { f.SpeedSettings2Click(); }),
    item(MenuId::pmBanner, "AutoSkimSettings2", "&AutoSkim Settings ...",
         [](TForm1& f) { f.showOptionsPage("AutoSkim"); }),
    item(MenuId::pmBanner, "OpenFile2", "&Open File ...", [](TForm1& f) { f.OpenFile2Click(); }),
    item(MenuId::pmBanner, "Help3", "&Help", [](TForm1& f) { f.Help2Click(); }),
    item(MenuId::pmBanner, "Close1", "&Close", [](TForm1& f) { f.Exit2Click(); }),

    // --- Popup of the column modes -------------------------------------------------------
    pageItem("MenuItem1", "&Next Page", [](TForm1& f) { f.fevhNextPage(); }),
    item(MenuId::pmColumn, "MenuItem3", "Go To &Start", [](TForm1& f) { f.fevhGoToStart(); }),
    pageItem("MenuItem2", "Go To &Last", [](TForm1& f) { f.fevhGoToLast(); }),
    item(MenuId::pmColumn, "Find1", "&Find Text", [](TForm1& f) { f.FindText1Click(); }),
    item(MenuId::pmColumn, "MenuItem9", "&AutoSkim Settings ...",
         [](TForm1& f) { f.showOptionsPage("AutoSkim"); }),
    item(MenuId::pmColumn, "MenuItem11", "&Open File ...", [](TForm1& f) { f.OpenFile2Click(); }),
    item(MenuId::pmColumn, "MenuItem12", "&Help", [](TForm1& f) { f.Help2Click(); }),
    item(MenuId::pmColumn, "MenuItem13", "&Close", [](TForm1& f) { f.Exit2Click(); }),

    // --- Buttons and paint boxes -----------------------------------------------------------
    control("imgSingleColumn", "Switch to Single Column",
            [](TForm1& f) { f.imgSingleColumnClick(); }),
    control("imgDoubleColumn", "Switch to Double Column",
            [](TForm1& f) { f.imgDoubleColumnClick(); }),
    control("imgBannerReader", "Switch to Banner Reader",
            [](TForm1& f) { f.imgBannerReaderClick(); }),
    control("imgSentenceReader", "Switch to Sentence Reader",
            [](TForm1& f) { f.imgSentenceReaderClick(); }),
    control("imgFullScreen", "Switch to Full Screen Mode", [](TForm1& f) { f.enterFullScreen(); }),
    control("imgAutoSkim", "", [](TForm1& f) { f.imgAutoSkimClick(); }),
    control("pbCloseFullScreen", "", [](TForm1& f) { f.leaveFullScreen(); }),
    control("pbBanner", "", [](TForm1& f) { f.fevhStopOrContinue(); }),
    control("pnlBanner", "", [](TForm1& f) { f.fevhStopOrContinue(); }),
    control("pbColumn", "", [](TForm1& f) { f.fevhNextPage(); }),
    control("pbColumn2", "", [](TForm1& f) { f.fevhNextPage(); }),
    control("frmInterface", "", [](TForm1& f) { f.FormClick(); }),
    control("pbGoToStartB", "", [](TForm1& f) { f.pbGoToStartBClick(); }),
    control("pbGoToEndB", "", [](TForm1& f) { f.pbGoToEndBClick(); }),
    control("pbGoToStartC", "Go to Start", [](TForm1& f) { f.pbGoToStartCClick(); }),
    control("pbGoToEndC", "Go To End", [](TForm1& f) { f.pbGoToEndCClick(); }),
    control("pbHighLight", "", [](TForm1& f) { f.pbHighLightClick(ControlId::pbHighLight); }),
    control("pbHighLightC", "", [](TForm1& f) { f.pbHighLightClick(ControlId::pbHighLightC); }),
    control("pbFindNext", "Find Next", [](TForm1& f) { f.pbFindNextClick(); }),
    control("pbGo", "Read from this position", [](TForm1& f) { f.pbGoClick(); }),
    control("pbCloseFind", "Cancel and return to original position",
            [](TForm1& f) { f.pbCloseFindClick(); }),

    // --- Keys ----------------------------------------------------------------------------------
    key({Key::Space}, Family::Banner, [](TForm1& f) { f.fevhStopOrContinue(); }),
    key({Key::Space}, Family::Column, [](TForm1& f) { f.nextPageKey(); }),
    key({Key::Enter}, Family::Banner, [](TForm1& f) { f.fevhStopOrContinue(); }),
    key({Key::Enter}, Family::Column, [](TForm1& f) { f.nextPageKey(); }),
    key({Key::Right}, Family::Banner, [](TForm1& f) { f.goForward(false); }),
    key({Key::Right}, Family::Column, [](TForm1& f) { f.nextPageKey(); }),
    key({Key::Left}, Family::Banner, [](TForm1& f) { f.goBackward(false); }),
    key({Key::Left}, Family::Column, [](TForm1& f) { f.skipBack(); }),
    key({Key::Down}, Family::Banner, [](TForm1& f) { f.speedDownKey(); }),
    key({Key::Down}, Family::Column, [](TForm1& f) { f.nextPageKey(); }),
    key({Key::Up}, Family::Banner, [](TForm1& f) { f.speedUpKey(); }),
    key({Key::Up}, Family::Column, [](TForm1& f) { f.skipBack(); }),
    key({Key::PageDown}, Family::Banner, [](TForm1& f) { f.goToNextParagraph(); }),
    key({Key::PageDown}, Family::Column, [](TForm1& f) { f.threePagesForward(); }),
    key({Key::PageUp}, Family::Banner, [](TForm1& f) { f.goToPreviousParagraph(); }),
    key({Key::PageUp}, Family::Column, [](TForm1& f) { f.threePagesBack(); }),
    key({Key::Home}, Family::Banner, [](TForm1& f) { f.fevhRestart(); }),
    key({Key::Home}, Family::Column, [](TForm1& f) { f.fevhGoToStart(); }),
    key({Key::S}, Family::Banner, [](TForm1& f) { f.fevhRestart(); }),
    key({Key::S}, Family::Column, [](TForm1& f) { f.fevhGoToStart(); }),
    key({Key::End}, Family::Both, [](TForm1& f) { f.fevhGoToEnd(); }),
    key({Key::L}, Family::Both, [](TForm1& f) { f.lastKey(); }),
    key({Key::Tab}, Family::Both, [](TForm1& f) { f.nextMode(); }),
    key({Key::Escape}, Family::Both, [](TForm1& f) { f.escapeKey(); }),
    key({Key::F}, Family::Both, [](TForm1& f) { f.FindText1Click(); }),
    key({Key::V}, Family::Both, [](TForm1& f) { f.fullScreenKey(); }),
    key({Key::F1}, Family::Both, [](TForm1& f) { f.Help2Click(); }),
    key(
        {Key::V, true}, Family::Both, [](TForm1& f) { f.fullScreenKey(); }, KeyPhase::Up),
    key(
        {Key::S, true}, Family::Both, [](TForm1& f) { f.ctrlSKeyUp(); }, KeyPhase::Up),
    key(
        {Key::F, true}, Family::Both, [](TForm1& f) { f.FindText1Click(); }, KeyPhase::Up),
    key(
        {Key::Right}, Family::Both, [](TForm1& f) { f.navigationKeyUp(); }, KeyPhase::Up),
    key(
        {Key::Left}, Family::Both, [](TForm1& f) { f.navigationKeyUp(); }, KeyPhase::Up),
    key(
        {Key::PageUp}, Family::Both, [](TForm1& f) { f.navigationKeyUp(); }, KeyPhase::Up),
    key(
        {Key::PageDown}, Family::Both, [](TForm1& f) { f.navigationKeyUp(); }, KeyPhase::Up),
};

// The dots: pressed, dragged and released, and the hover picture.
void dotPointer(TForm1& f, ControlId dot, PointerEvent event, int x, int y) {
  switch (event) {
  case PointerEvent::Enter:
    f.pbOrangeDotMouseEnter(dot);
    break;
  case PointerEvent::Leave:
    f.pbOrangeDotMouseLeave(dot);
    break;
  case PointerEvent::Down:
    f.pbOrangeDotMouseDown(dot);
    break;
  case PointerEvent::Move:
    f.pbOrangeDotMouseMove(dot, x, y);
    break;
  case PointerEvent::Up:
    f.pbOrangeDotMouseUp(dot);
    break;
  }
}

template <ControlId Dot> void dot(TForm1& f, PointerEvent event, int x, int y) {
  dotPointer(f, Dot, event, x, y);
}

// A mark offers its highlight when the mouse enters it.
template <ControlId Mark> void mark(TForm1& f, PointerEvent event, int, int) {
  if (event == PointerEvent::Enter) f.markMouseEnter(Mark);
}

// A highlight goes when the mouse leaves it.
template <ControlId Highlight> void highlight(TForm1& f, PointerEvent event, int, int) {
  if (event == PointerEvent::Leave) f.pbHighLightMouseLeave(Highlight);
}

constexpr std::array PointerBindings = {
    PointerBinding{"pbOrangeDot", dot<ControlId::pbOrangeDot>},
    PointerBinding{"pbOrangeDotC", dot<ControlId::pbOrangeDotC>},
    PointerBinding{"pbGoToStartB", mark<ControlId::pbGoToStartB>},
    PointerBinding{"pbGoToEndB", mark<ControlId::pbGoToEndB>},
    PointerBinding{"pbGoToStartC", mark<ControlId::pbGoToStartC>},
    PointerBinding{"pbGoToEndC", mark<ControlId::pbGoToEndC>},
    PointerBinding{"pbHighLight", highlight<ControlId::pbHighLight>},
    PointerBinding{"pbHighLightC", highlight<ControlId::pbHighLightC>},
};

struct KeyNameEntry {
  Key key;
  std::string_view name;
};

constexpr std::array KeyNames = {
    KeyNameEntry{Key::Space, "Space"},   KeyNameEntry{Key::Enter, "Enter"},
    KeyNameEntry{Key::Right, "Right"},   KeyNameEntry{Key::Left, "Left"},
    KeyNameEntry{Key::Up, "Up"},         KeyNameEntry{Key::Down, "Down"},
    KeyNameEntry{Key::PageUp, "PageUp"}, KeyNameEntry{Key::PageDown, "PageDown"},
    KeyNameEntry{Key::Home, "Home"},     KeyNameEntry{Key::End, "End"},
    KeyNameEntry{Key::S, "S"},           KeyNameEntry{Key::L, "L"},
    KeyNameEntry{Key::Tab, "Tab"},       KeyNameEntry{Key::Escape, "Escape"},
    KeyNameEntry{Key::F, "F"},           KeyNameEntry{Key::V, "V"},
    KeyNameEntry{Key::F1, "F1"},
};

constexpr std::string_view CtrlPrefix = "Ctrl+";

bool inFamily(Family family, bool banner) {
  return family == Family::Both || (family == Family::Banner) == banner;
}

} // namespace

std::span<const Command> readerCommands() {
  return Commands;
}

std::span<const MenuInfo> readerMenus() {
  return Menus;
}

const PointerBinding* findPointerBinding(std::string_view component) {
  for (const PointerBinding& binding : PointerBindings)
    if (binding.component == component) return &binding;
  return nullptr;
}

const Command* findKeyCommand(KeyStroke key, KeyPhase phase, bool banner) {
  if (key.key == Key::None) return nullptr;
  for (const Command& c : Commands)
    if (c.key == key && c.phase == phase && inFamily(c.family, banner)) return &c;
  return nullptr;
}

const Command* findComponentCommand(std::string_view component) {
  if (component.empty()) return nullptr;
  for (const Command& c : Commands)
    if (c.component == component) return &c;
  return nullptr;
}

std::string keyName(KeyStroke key) {
  for (const KeyNameEntry& entry : KeyNames)
    if (entry.key == key.key)
      return (key.ctrl ? std::string(CtrlPrefix) : std::string()) + std::string(entry.name);
  return {};
}

std::optional<KeyStroke> parseKeyName(std::string_view name) {
  KeyStroke stroke;
  if (name.starts_with(CtrlPrefix)) {
    stroke.ctrl = true;
    name.remove_prefix(CtrlPrefix.size());
  }
  for (const KeyNameEntry& entry : KeyNames)
    if (entry.name == name) {
      stroke.key = entry.key;
      return stroke;
    }
  return std::nullopt;
}

} // namespace reader
