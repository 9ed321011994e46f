#pragma once
// Icons of the menu and the tool bar: the desktop theme's icons where the theme has them,
// otherwise small drawings of our own.

#include <QIcon>

namespace icons {
QIcon letter();
QIcon copy();
QIcon paste();
QIcon print();
QIcon envelope();
QIcon group();
QIcon size();
QIcon book();
QIcon font();
QIcon user();
QIcon postcode();
QIcon help();
QIcon about();
QIcon exit();
} // namespace icons
