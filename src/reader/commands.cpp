#include "reader/commands.h"

#include <array>

#include "reader/tform1.h"
#include "reader/words_per_screen.h"

namespace reader {
namespace {

constexpr KeyStroke NoKey{};

// Words-per-screen item `I`: its name and caption, handler and check mark.
template <std::size_t I> constexpr Command wordsItem() {
  return {WordsPerScreenItems[I].component,
          WordsPerScreenItems[I].caption,
          "",
          NoKey,
          KeyPhase::Down,
          Family::Banner,
          MenuId::WordsPerScreen,
          [](TForm1& f) { f.chooseWordsPerScreen(I); },
          [](const TForm1& f) { return f.wordsPerScreenChecked(I); }};
}

// A bare key of the key table.
constexpr Command key(KeyStroke stroke, Family family, CommandHandler handler,
                      KeyPhase phase = KeyPhase::Down) {
  return {"", "", "", stroke, phase, family, MenuId::None, handler, nullptr};
}

// A button or paint box of the window, named after its control.
constexpr Command control(std::string_view component, std::string_view hint,
                          CommandHandler handler) {
  return {component, hint, "", NoKey, KeyPhase::Down, Family::Both, MenuId::None, handler, nullptr};
}

constexpr Command item(MenuId menu, std::string_view component, std::string_view caption,
                       CommandHandler handler, Family family = Family::Both) {
  return {component, caption, "", NoKey, KeyPhase::Down, family, menu, handler, nullptr};
}

constexpr std::array Menus = {
    MenuInfo{MenuId::File, MenuId::None, "File1", "&File"},
    MenuInfo{MenuId::Speed, MenuId::None, "Speed1", "&Speed"},
    MenuInfo{MenuId::WordsPerScreen, MenuId::Speed, "WordsperScreen1", "&Words per Screen"},
    MenuInfo{MenuId::Format, MenuId::None, "Format1", "Forma&t"},
    MenuInfo{MenuId::ReadingModes, MenuId::Format, "ReadingModes1", "&Reading Modes"},
};

constexpr std::array Commands = {
    // --- Main menu ---------------------------------------------------------------------
    item(MenuId::File, "Exit2", "E&xit", [](TForm1& f) { f.Exit2Click(); }),
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
    item(MenuId::ReadingModes, "Single1", "&Single", [](TForm1& f) { f.imgSingleColumnClick(); }),
    item(MenuId::ReadingModes, "Double1", "&Double", [](TForm1& f) { f.imgDoubleColumnClick(); }),
    item(MenuId::ReadingModes, "Banner1", "&Banner", [](TForm1& f) { f.imgBannerReaderClick(); }),
    item(MenuId::ReadingModes, "Sentence1", "&Sentence",
         [](TForm1& f) { f.imgSentenceReaderClick(); }),
    item(MenuId::Format, "FullScreen1", "&Full Screen", [](TForm1& f) { f.enterFullScreen(); }),

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

std::span<const PointerBinding> readerPointerBindings() {
  return PointerBindings;
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
