#pragma once

class QComboBox;

// Return in an editable list's field, or leaving the field, chooses nothing: typed text keeps
// its meaning as typed. (QComboBox would choose the entry of that text.)
void keepTypedText(QComboBox* list);
