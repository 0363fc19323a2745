#pragma once

#include <QHash>

class QDialog;
class QWidget;
struct DialogTemplate;

// Gives the dialog the template's caption, font and size and makes its
// controls in template order. Returns the controls by id (those with id -1 are
// made but not returned).
QHash<int, QWidget*> BuildDialog(QDialog& dialog, const DialogTemplate& dialogTemplate);
