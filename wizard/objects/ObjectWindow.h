// What the window classes of page objects share. Each class offers
//   bool CreateObject(const OBJECT_RECORD& record, HWND page, int index,
//                     std::string& why);
//   HWND GetHandle() const;
// for CObjectContainer: CreateObject makes the window as a child of page
// (index: the object's place among the objects of its kind) and gives false
// with the reason in why when the object has to be left out.
#pragma once

#include <windows.h>

#include <string>

#include "ObjectRecord.h"

namespace setup {

// Posts the command to the wizard through the run's command executor. An
// empty command, or no executor, posts nothing (false).
bool PostObjectCommand(const COMMAND_RECORD& command);
// Applies "ENABLE" and "SHOW" of the record to a created window.
void ApplyEnableAndShow(HWND window, const OBJECT_RECORD& record);
// For windows the page shows through and the mouse passes through (texts,
// bitmaps): no background erase, no hit. True when the message was one of
// those, with its result.
bool HandleSeeThroughMessage(UINT message, LRESULT& result);
// Repaints the part of the parent under window, then the window: for
// windows that draw on a transparent background.
void RepaintWithParent(HWND window);
// The pointer shown over links and buttons: the program's link cursor,
// else the system's hand. Shared; never destroyed.
HCURSOR LinkCursor();
// The size a push button needs for its text in its font.
SIZE ButtonSizeForText(HWND button, const std::string& text);

}  // namespace setup
