#pragma once
// A header of the widget library: widgets are at home here.

#include <QLabel>
