// Every include below but the last is refused in a logic source.
#include "lower/form_lower.h"
#include "lower/view.h"

#include <QLabel>
#include <QString>
#include <QtWidgets/QWidget>
