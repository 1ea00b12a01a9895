#include "app/CatalogueCheck.h"
#include "support/Prerequisites.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::TCatalogue;
using test::TCatalogueMessage;

// The texts the sources hold now, found by lupdate with the build's options, so a catalogue cannot pass
// by having been refreshed long ago.
bool SourceMessages(QList<TCatalogueMessage>& messages, test::ToolCheck& check) {
    QTemporaryDir dir;
    const QString fresh = dir.filePath("sources.ts");
    if (!test::RunTool(ORV_LUPDATE,
                       {"-extensions", "cpp,h", "-no-obsolete", "-locations", "none", "-silent",
                        QStringLiteral(ORV_SOURCE_DIR) + "/src", "-ts", fresh},
                       check))
        return false;
    TCatalogue catalogue;
    QString error;
    if (!test::ReadCatalogue(test::ReadAll(fresh), catalogue, error)) {
        check = {test::ToolOutcome::Failed, "lupdate wrote no readable catalogue: " + error};
        return false;
    }
    messages = catalogue.messages;
    return true;
}

TEST(TranslationCatalogues, EveryCatalogueHoldsTheSourcesTextsAndEveryTranslationIsFinished) {
    QList<TCatalogueMessage> sources;
    test::ToolCheck check;
    SourceMessages(sources, check);
    ORV_ASSERT_TOOLS_RAN(check);

    const QDir folder(QStringLiteral(ORV_SOURCE_DIR) + "/translations");
    const QStringList files = folder.entryList({"orvane_*.ts"}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        TCatalogue catalogue;
        QString error;
        ASSERT_TRUE(test::ReadCatalogue(test::ReadAll(folder.filePath(file)), catalogue, error))
            << error.toStdString();
        const QStringList problems =
            CatalogueProblems(sources, catalogue, QLocale(catalogue.language).language() != QLocale::English);
        EXPECT_TRUE(problems.isEmpty())
            << problems.size() << " problem(s); run the update_translations target, then translate:\n"
            << problems.join('\n').toStdString();
    }
}

// The check itself: each fault a catalogue can have is reported, and a sound catalogue passes.
TEST(TranslationCatalogues, EachKindOfFaultIsReported) {
    const QList<TCatalogueMessage> sources = {
        {"orv::TfMain", "Settings", "", false, false, {}},
        {"orv::TfMain", "Room %1 of %2", "", false, false, {}},
        {"ConnectionKeeper", "Reconnecting in %n s", "", true, false, {}},
    };
    TCatalogue sound{"es",
                     {{"orv::TfMain", "Settings", "", false, true, {"Configuración"}},
                      {"orv::TfMain", "Room %1 of %2", "", false, true, {"Sala %1 de %2"}},
                      {"ConnectionKeeper", "Reconnecting in %n s", "", true, true, {"En %n s", "En %n s"}}}};
    ASSERT_EQ(CatalogueProblems(sources, sound, true), QStringList());

    struct Case {
        const char* fault;
        void (*spoil)(TCatalogue&);
        const char* reported;
    } cases[] = {
        {"a text dropped", [](TCatalogue& c) { c.messages.removeAt(0); },
         "missing: [orv::TfMain] \"Settings\""},
        {"a text the sources lost",
         [](TCatalogue& c) {
             c.messages.append({"orv::TfMain", "Gone", "", false, true, {"Ido"}});
         },
         "obsolete: [orv::TfMain] \"Gone\""},
        {"left unfinished", [](TCatalogue& c) { c.messages[0].finished = false; },
         "unfinished: [orv::TfMain]"},
        {"an empty translation", [](TCatalogue& c) { c.messages[0].translations = {""}; }, "unfinished:"},
        {"a plural form empty", [](TCatalogue& c) { c.messages[2].translations[1].clear(); }, "unfinished:"},
        {"a placeholder dropped", [](TCatalogue& c) { c.messages[1].translations = {"Sala %1"}; },
         "placeholders differ: [orv::TfMain] \"Room %1 of %2\""},
        {"a placeholder added", [](TCatalogue& c) { c.messages[0].translations = {"Configuración %1"}; },
         "placeholders differ:"},
        {"%n lost in a plural form", [](TCatalogue& c) { c.messages[2].translations[0] = "En un segundo"; },
         "placeholders differ:"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        TCatalogue spoilt = sound;
        c.spoil(spoilt);
        const QStringList problems = CatalogueProblems(sources, spoilt, true);
        ASSERT_EQ(problems.size(), 1) << problems.join('\n').toStdString();
        EXPECT_TRUE(problems.first().startsWith(c.reported)) << problems.first().toStdString();
    }
    // The source language's catalogue is held only to the set of texts.
    TCatalogue english = sound;
    english.messages[0].finished = false;
    english.messages[1].translations = {""};
    EXPECT_EQ(CatalogueProblems(sources, english, false), QStringList());
}

} // namespace
} // namespace orv
