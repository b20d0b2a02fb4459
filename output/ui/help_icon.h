// The picture of the dialogs' help buttons: a white question mark on a blue disc, drawn for
// each size it is shown at (16 pixels at 96 DPI, 32 at 192 DPI), so that it stays sharp.
#pragma once

#include <QIcon>

QIcon HelpQuestionIcon();
