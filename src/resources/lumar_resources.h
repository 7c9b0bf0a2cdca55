// The launcher's resources: its title and class name, the texts of its message boxes and its
// icons, described as data; and the ids of its own commands.
#pragma once

#include "platform/platform.h"

// String ids. The title and the class name share the ids of the game's.
inline constexpr int kLumarStringTitle = 103;
inline constexpr int kLumarStringClassName = 109;
inline constexpr int kLumarStringNoTimer = 110;         // caption: the timer cannot be set
inline constexpr int kLumarStringStartFailed = 201;     // caption of every start failure
inline constexpr int kLumarStringNoFolder = 202;        // "%s": the game folder
inline constexpr int kLumarStringNotFound = 203;        // "%s": the game program's path
inline constexpr int kLumarStringNotExecutable = 204;   // "%s": the game program's path
inline constexpr int kLumarStringEndedUnready = 205;    // "%s": the game program's path
inline constexpr int kLumarStringNotReadyInTime = 206;  // "%s": the game program's path
inline constexpr int kLumarStringSystemRefused = 207;   // "%s": the game program's path
inline constexpr int kLumarIconLarge = 107;
inline constexpr int kLumarIconSmall = 108;

// The launcher's own commands.
namespace LumarCommand {
inline constexpr int kQuit = 8;         // stop the timer, release everything, end
inline constexpr int kStartGame = 653;  // start the game program, then quit
}  // namespace LumarCommand

const platform::ResourceTable& LumarResources();
