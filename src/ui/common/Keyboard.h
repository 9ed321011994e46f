#pragma once
// Keyboard helpers shared by the windows.

class QPlainTextEdit;
class QWidget;

// Ctrl+Tab and Ctrl+Shift+Tab move the focus to the next or previous control, also out of a text
// box that types Tab as a character.
void leaveWithControlTab(QPlainTextEdit *box);
