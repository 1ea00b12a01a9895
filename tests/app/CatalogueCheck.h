#pragma once
// Compares a translation catalogue (.ts) with the texts the sources hold, as lupdate finds them: a text the
// catalogue lacks, one it keeps that the sources no longer have, an unfinished or empty translation, and a
// translation whose placeholders (%1, %n...) differ from its source's.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace orv::test {

struct TCatalogueMessage {
    QString context;
    QString source;
    QString comment;
    bool numerus = false;
    bool finished = false;    // neither unfinished nor obsolete
    QStringList translations; // one, or one per plural form
};

struct TCatalogue {
    QString language;
    QList<TCatalogueMessage> messages;
};

// The catalogue in `xml`; false, with the reason in `error`, when it is not a readable .ts file.
bool ReadCatalogue(const QByteArray& xml, TCatalogue& catalogue, QString& error);

// One line per fault of `catalogue` against the messages of the sources. The source language's catalogue
// (`translated` false) is only held to the same set of messages.
QStringList CatalogueProblems(const QList<TCatalogueMessage>& sources, const TCatalogue& catalogue,
                              bool translated);

} // namespace orv::test
