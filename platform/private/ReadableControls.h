// Dialog controls as a screen reader and the keyboard reach them.
#pragma once

#include "resources/Resource.h"

#include <QString>

class QWidget;

namespace platform::detail {

// Names a control of a template for a screen reader, in template order:
// a field (edit, list, combo box) takes the text of the label placed before
// it since the last field, or the dialog's caption when there is none;
// buttons, check boxes and frames read their own captions. While a screen
// reader listens, a read-only multi-line field also lets the keyboard move
// a caret through its lines, so they can be read one by one. `label`
// carries the last label between calls.
void MakeReadable(const resources::ControlSpec& spec, QWidget* widget, QString& label,
                  const QString& caption);

} // namespace platform::detail
