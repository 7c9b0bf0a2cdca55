// The platform layer: everything the game and the launcher need from the desktop.
//
// Game code never talks to SDL, FreeType or libpng; it talks to this header, which gathers the
// layer's public headers, one per concern. The model is the classic single-threaded desktop
// of the mid-1990s; its concerns live in these headers:
//
//   platform/types.h      points, rectangles, colours and the handles the others share
//   platform/window.h     messages, virtual-key codes, the main window, the message loop, timers
//   platform/resources.h  menu and dialog templates, strings and icons, described as data
//   platform/program.h    program start and options, the layer's clock, registered values
//   platform/menus.h      the menu bar and its drop-downs
//   platform/dialogs.h    modal dialogs, their controls and message boxes
//   platform/drawing.h    device contexts, pens, brushes, fonts, shapes, text output, bitmaps,
//                         device-independent bitmaps and PNG files
//   platform/text.h       display cells of UTF-8 text and the classic formatter
//   platform/language.h   the interface's language and the English message catalogue
//   platform/sound.h      WAV files played by name and the beep
//   platform/files.h      raw files by relative name and the current directory
//   platform/process.h    starting another program and waiting until it is ready
//
// Two backends implement the desktop: SDL2 (a real window, keyboard, sound) and headless
// (virtual clock, scripted input, PNG screenshots). See docs/platform.md.
#pragma once

#include "platform/dialogs.h"
#include "platform/drawing.h"
#include "platform/files.h"
#include "platform/language.h"
#include "platform/menus.h"
#include "platform/process.h"
#include "platform/program.h"
#include "platform/resources.h"
#include "platform/sound.h"
#include "platform/text.h"
#include "platform/types.h"
#include "platform/window.h"
