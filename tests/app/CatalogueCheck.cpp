#include "app/CatalogueCheck.h"

#include <QHash>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>

namespace orv::test {
namespace {

// The text of the current element up to its end; lupdate writes characters XML cannot hold as
// <byte value="xd"/>.
QString readText(QXmlStreamReader& xml) {
    QString text;
    const QString element = xml.name().toString();
    while (xml.readNext() != QXmlStreamReader::Invalid) {
        if (xml.isCharacters()) {
            text += xml.text();
        } else if (xml.isStartElement() && xml.name() == u"byte") {
            const QString value = xml.attributes().value("value").toString();
            bool ok = false;
            const uint code = value.startsWith('x') ? value.mid(1).toUInt(&ok, 16) : value.toUInt(&ok);
            if (ok)
                text += QChar(char16_t(code));
        } else if (xml.isEndElement() && xml.name() == element) {
            break;
        }
    }
    return text;
}

TCatalogueMessage readMessage(QXmlStreamReader& xml, const QString& context) {
    TCatalogueMessage m;
    m.context = context;
    m.numerus = xml.attributes().value("numerus") == u"yes";
    while (xml.readNextStartElement()) {
        if (xml.name() == u"source") {
            m.source = readText(xml);
        } else if (xml.name() == u"comment") {
            m.comment = readText(xml);
        } else if (xml.name() == u"translation") {
            m.finished = xml.attributes().value("type").isEmpty();
            if (m.numerus) {
                while (xml.readNextStartElement()) {
                    if (xml.name() == u"numerusform")
                        m.translations << readText(xml);
                    else
                        xml.skipCurrentElement();
                }
            } else {
                m.translations << readText(xml);
            }
        } else {
            xml.skipCurrentElement();
        }
    }
    return m;
}

QString key(const TCatalogueMessage& m) {
    return m.context + QChar(0) + m.source + QChar(0) + m.comment;
}

QString describe(const TCatalogueMessage& m) {
    QString source = m.source;
    source.replace("\r", "\\r").replace("\n", "\\n");
    return "[" + m.context + "] \"" + source + "\"";
}

QStringList placeholders(const QString& text) {
    static const QRegularExpression marker("%(L?[0-9]+|n)");
    QStringList found;
    for (const auto& match : marker.globalMatch(text))
        found << match.captured();
    std::sort(found.begin(), found.end());
    return found;
}

} // namespace

bool ReadCatalogue(const QByteArray& bytes, TCatalogue& catalogue, QString& error) {
    catalogue = {};
    QXmlStreamReader xml(bytes);
    if (!xml.readNextStartElement() || xml.name() != u"TS") {
        error = "not a translation catalogue";
        return false;
    }
    catalogue.language = xml.attributes().value("language").toString();
    while (xml.readNextStartElement()) {
        if (xml.name() != u"context") {
            xml.skipCurrentElement();
            continue;
        }
        QString context;
        while (xml.readNextStartElement()) {
            if (xml.name() == u"name")
                context = readText(xml);
            else if (xml.name() == u"message")
                catalogue.messages << readMessage(xml, context);
            else
                xml.skipCurrentElement();
        }
    }
    if (xml.hasError()) {
        error = xml.errorString() + " at line " + QString::number(xml.lineNumber());
        return false;
    }
    return true;
}

QStringList CatalogueProblems(const QList<TCatalogueMessage>& sources, const TCatalogue& catalogue,
                              bool translated) {
    QStringList problems;
    QHash<QString, const TCatalogueMessage*> kept;
    for (const TCatalogueMessage& m : catalogue.messages)
        kept.insert(key(m), &m);
    QHash<QString, bool> inSources;
    for (const TCatalogueMessage& m : sources) {
        inSources.insert(key(m), true);
        if (!kept.contains(key(m)))
            problems << "missing: " + describe(m);
    }
    for (const TCatalogueMessage& m : catalogue.messages) {
        if (!inSources.contains(key(m))) {
            problems << "obsolete: " + describe(m);
            continue;
        }
        if (!translated)
            continue;
        const bool empty =
            m.translations.isEmpty() || std::any_of(m.translations.begin(), m.translations.end(),
                                                    [](const QString& t) { return t.isEmpty(); });
        if (!m.finished || empty) {
            problems << "unfinished: " + describe(m);
            continue;
        }
        for (const QString& t : m.translations)
            if (placeholders(t) != placeholders(m.source))
                problems << "placeholders differ: " + describe(m) + " -> \"" + t + "\"";
    }
    return problems;
}

} // namespace orv::test
