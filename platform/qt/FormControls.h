#pragma once

#include "FormDescription.h"

#include <QString>

#include <span>

class QWidget;

// Builds the controls of a window description as children of client, at their places in its
// device-independent pixels. Labels and links show their text as plain text, never markup; a label
// whose text is variable keeps it on one line (OneLineLabel). The controls that take the focus,
// and the links, are chained in the order of their tab indices. Each control is named after its
// description: its name, or "name(index)" for a member of a control array.
void buildControls(std::span<const form::Control> controls, QWidget &client);

QString controlName(const form::Control &control);
