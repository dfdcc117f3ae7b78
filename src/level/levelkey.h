// What a key on the level picture asks of the level editor.
#pragma once

enum class LevelKey { Left, Right, Up, Down, Home, End, Escape, Paint, Pick, Fill, Copy, Cut, Paste, Delete };
