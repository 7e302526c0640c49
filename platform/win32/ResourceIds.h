#pragma once

// The program's icon groups by number, for the resource scripts and the code that loads them.
// Explorer shows an executable's first icon group; numbered groups come before named ones and in
// the order of their numbers, so the program icon has the lowest.
#define PICTAVO_PROGRAM_ICON 1
#define PICTAVO_ABOUT_WINDOW_ICON 2
