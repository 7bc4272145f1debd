// The reader window's commands, one row each: the component that offers it
// (menu item, button, paint box, or none for a bare key), the caption with
// its accelerator mark, the shortcut text a menu shows, the key that gives it
// (pressed or released), the reading-mode family it belongs to, the menu it
// sits in and the handler. The Qt window builds its menus, its key map and its
// click bindings from this table, and the headless timeline finds its `--at`
// commands in it, so a command is added in one row. A second, smaller table
// binds the pointer's moves over the progress dots, marks and highlights
// (enter, leave, press, drag, release) to their handlers.
//
// Contract: a key and phase has at most one row per family (a Both row counts
// for both), so a key press runs at most one handler.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace reader {

class TForm1;

enum class Key : std::uint8_t {
  None,
  Space,
  Enter,
  Right,
  Left,
  Up,
  Down,
  PageUp,
  PageDown,
  Home,
  End,
  S,
  L,
  Tab,
  Escape,
  F,
  V,
  F1,
};

struct KeyStroke {
  Key key = Key::None;
  bool ctrl = false;
  bool operator==(const KeyStroke&) const = default;
};

// Whether a key row acts when the key goes down or when it is released.
enum class KeyPhase : std::uint8_t { Down, Up };

// Banner = Banner and Sentence mode; Column = Single and Double mode.
enum class Family : std::uint8_t { Banner, Column, Both };

// The menus of the window, main menu and popups, each with its parent.
enum class MenuId : std::uint8_t {
  None, // not in a menu: a key, a button or a paint box
  File,
  RecentFiles, // filled by the recent-files list, not by rows of the table
  Speed,
  WordsPerScreen,
  Format,
  Font,
  Size,
  Alignment,
  ReadingModes,
  Color,
  AutoSkim,
  Options,
  Help,
  pmBanner, // the popup of the banner modes
  pmColumn, // the popup of the column modes
};

struct MenuInfo {
  MenuId id;
  MenuId parent; // None for the menus of the menu bar
  std::string_view component;
  std::string_view caption;
};

using CommandHandler = void (*)(TForm1&);
using CommandState = bool (*)(const TForm1&);

struct Command {
  std::string_view component = {};
  std::string_view caption = {};
  std::string_view shortcut = {};
  KeyStroke key = {};
  KeyPhase phase = KeyPhase::Down;
  Family family = Family::Both;
  MenuId menu = MenuId::None;
  CommandHandler handler = nullptr;
  // Check mark of a menu item; absent = never checked.
  CommandState checked = nullptr;
  // Whether the item can be chosen; absent = always.
  CommandState enabled = nullptr;
  // The caption as the item shows it now; absent = `caption`.
  const std::string& (*captionNow)(const TForm1&) = nullptr;
  // Whether the item is shown; absent = always.
  CommandState visible = nullptr;
};

// Every command, in the order the menus show their items.
std::span<const Command> readerCommands();
// The menus in the order the menu bar and their parents show them.
std::span<const MenuInfo> readerMenus();

// What the pointer did over a control; x and y are within the control.
enum class PointerEvent : std::uint8_t { Enter, Leave, Down, Move, Up };
using PointerHandler = void (*)(TForm1&, PointerEvent, int x, int y);

struct PointerBinding {
  std::string_view component;
  PointerHandler handler;
};

// The binding of a component ("pbOrangeDot"), or nullptr.
const PointerBinding* findPointerBinding(std::string_view component);

// The row a key gives in the mode family `banner` (true: Banner, Sentence).
const Command* findKeyCommand(KeyStroke key, KeyPhase phase, bool banner);
// The row of a component ("Exit2", "imgSingleColumn", "pbBanner").
const Command* findComponentCommand(std::string_view component);

// The name of a key as the timeline takes it: "Space", "PageDown", "Ctrl+S".
std::string keyName(KeyStroke key);
std::optional<KeyStroke> parseKeyName(std::string_view name);

} // namespace reader
