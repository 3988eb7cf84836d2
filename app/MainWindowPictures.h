// The pictures of the main window's function buttons, drawn by the program itself.
#pragma once

class TImageList;

// Adds the seven 64 x 64 pictures in their index order: archive, database, to-do list, personnel
// change, users, exit, log in again. One style for all: a rounded tile in the function's own
// colour with a white line drawing.
void AddMainWindowPictures(TImageList& list);
