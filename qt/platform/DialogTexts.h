#pragma once

#include <QTranslator>

namespace tesmarik {

// Russian for the texts of Qt's own dialogs that Qt's Russian translation lacks (the
// kinds of entries in the save dialog's file list: "Folder", "Drive", ...). Every other
// text is left to Qt's translation.
class DialogTexts : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override;
    bool isEmpty() const override { return false; }
};

}  // namespace tesmarik
