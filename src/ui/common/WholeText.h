#pragma once
// Texts that a control of a fixed size cuts are shown whole as a tooltip: the entries of a list
// and the text of a box, while they are wider than the room they have.

class QAbstractItemView;
class QLineEdit;

// A resting pointer over an entry cut by the list's width shows the entry whole.
void showCutEntriesWhole(QAbstractItemView *list);
// The box's tooltip is its text whenever the text is wider than the box.
void showCutTextWhole(QLineEdit *box);
