#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <random>

namespace tesmarik {

// The random session's own folder of files, where its file dialogs are answered: offer
// files that open and offer files damaged in every way a disk or a hand can damage them,
// and the names its saves are given (the proposed one, Cyrillic, too long, an existing
// file, a folder, a missing folder).
class SessionFiles {
public:
    SessionFiles();
    bool IsValid() const { return folder_.isValid() && valid_ > 0; }
    QString Folder() const { return folder_.path(); }
    // How many of the prepared files a valid offer must open (checked by the test).
    QStringList ValidOffers() const;

    // Names within the folder.
    // A file to open: one of the prepared offers or whatever the session saved there.
    QString FileToOpen(std::mt19937& random) const;
    // A name to save under, or an empty text to keep the one the dialog proposes.
    QString NameToSave(std::mt19937& random) const;

private:
    void Write(const QString& name, const QByteArray& bytes);

    QTemporaryDir folder_;
    QStringList prepared_;
    int valid_ = 0;
};

// Random text as a user pastes it from anywhere: numbers, Cyrillic words and letters,
// tabs, line ends of both kinds, long lines, formula-like and odd characters.
QString RandomText(std::mt19937& random);

}  // namespace tesmarik
