// SPDX-License-Identifier: GPL-3.0-or-later
// The include check on small made-up layouts: each rule finds what it is for, and only that.
#include "IncludeRules.h"

#include <QtTest>

namespace {

// Folders data < speech < learn; learn holds learn (widgets) and learn_rules.
layering::Layout layout() {
    layering::Layout l;
    l.order = {"data", "speech", "learn"};
    l.owner = {{"data/Sql.h", "data"},
               {"speech/Voice.h", "speech"},
               {"learn/Loop.h", "learn"},
               {"learn/rules/Score.h", "learn_rules"}};
    l.links = {{"data", {}},
               {"speech", {"data"}},
               {"learn_rules", {"data"}},
               {"learn", {"learn_rules", "speech"}}};
    return l;
}

QStringList keys(const std::vector<layering::Fault>& faults) {
    QStringList out;
    for (const layering::Fault& f : faults)
        out << QString::fromStdString(f.key);
    return out;
}

} // namespace

class TestIncludeRules : public QObject {
    Q_OBJECT
  private slots:
    void faults_data();
    void faults();
    void faultsOfFilesAndFolders();
    void readsIncludesNamingAFolderOnly();
    void manifestPathsAreTakenUnderSrc();
    void allowedFaultsPassAndStaleOnesAreNamed();
};

void TestIncludeRules::faults_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("includes");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("down the order, linked through another") << "learn/Loop.h"
                                                            << "data/Sql.h" << QStringList{};
    QTest::newRow("up the order") << "speech/Voice.h"
                                  << "learn/Loop.h"
                                  << QStringList{"up speech -> learn", "unlinked speech -> learn"};
    QTest::newRow("down but not linked")
        << "learn/rules/Score.h"
        << "speech/Voice.h"
        << QStringList{"rules learn_rules -> speech", "unlinked learn_rules -> speech"};
    QTest::newRow("rules using the lesson of its own folder")
        << "learn/rules/Score.h"
        << "learn/Loop.h"
        << QStringList{"rules learn_rules -> learn", "unlinked learn_rules -> learn"};
    QTest::newRow("rules using data") << "learn/rules/Score.h"
                                      << "data/Sql.h" << QStringList{};
    QTest::newRow("a header no target holds")
        << "learn/Loop.h"
        << "learn/Lost.h" << QStringList{"unowned learn/Lost.h"};
    QTest::newRow("itself") << "data/Sql.h"
                            << "data/Sql.h" << QStringList{};
}

void TestIncludeRules::faults() {
    QFETCH(QString, file);
    QFETCH(QString, includes);
    QFETCH(QStringList, expected);
    layering::Layout l = layout();
    l.includes[file.toStdString()] = {includes.toStdString()};
    QCOMPARE(keys(layering::check(l)), expected);
}

// A circle, a folder outside the order and files on the wrong side of a rules folder.
void TestIncludeRules::faultsOfFilesAndFolders() {
    layering::Layout l = layout();
    l.owner["data/A.h"] = "data";
    l.owner["data/B.h"] = "data";
    l.owner["data/C.h"] = "data";
    l.includes["data/A.h"] = {"data/B.h"};
    l.includes["data/B.h"] = {"data/C.h"};
    l.includes["data/C.h"] = {"data/A.h"};
    l.owner["media/Picture.h"] = "media";
    l.owner["learn/Order.h"] = "learn_rules";
    l.owner["learn/rules/Window.h"] = "learn";
    QCOMPARE(keys(layering::check(l)),
             (QStringList{"rules-folder learn_rules", "rules-folder learn", "unordered media",
                          "circle data/A.h data/B.h data/C.h"}));
}

void TestIncludeRules::readsIncludesNamingAFolderOnly() {
    const std::vector<std::string> found = layering::includesOf("#include \"data/Sql.h\"\n"
                                                                "  #  include \"learn/rules/A.h\"\n"
                                                                "#include \"Version.h\"\n"
                                                                "#include <QString>\n"
                                                                "// #include \"data/Old.h\"\n");
    QCOMPARE(found, (std::vector<std::string>{"data/Sql.h", "learn/rules/A.h"}));
}

void TestIncludeRules::manifestPathsAreTakenUnderSrc() {
    layering::Layout l;
    std::string problem;
    QVERIFY(layering::readManifest("order data learn\n"
                                   "file data /r/src/data/Sql.h\n"
                                   "file data /r/build/src/data/SchemaText.cpp\n"
                                   "file learn /r/src/learn/../learn/Loop.h\n"
                                   "link learn data\n",
                                   "/r/src", l, problem));
    QCOMPARE(l.owner.size(), size_t(2));
    QCOMPARE(l.owner.at("learn/Loop.h"), std::string("learn"));
    QVERIFY(l.links.at("learn").contains("data"));
    layering::Layout broken;
    QVERIFY(!layering::readManifest("file data\n", "/r/src", broken, problem));
    layering::Layout empty;
    QVERIFY(!layering::readManifest("", "/r/src", empty, problem));
}

void TestIncludeRules::allowedFaultsPassAndStaleOnesAreNamed() {
    const std::set<std::string> allowed =
        layering::readAllowed("# known\n\nup a -> b\r\nunlinked c -> d  \n");
    QCOMPARE(allowed.size(), size_t(2));
    const layering::Verdict v =
        layering::judge({{"up a -> b", "a/X.h includes b/Y.h"}, {"up e -> f", "e/Z.h"}}, allowed);
    QCOMPARE(v.unexpected.size(), size_t(1));
    QCOMPARE(v.unexpected[0].key, std::string("up e -> f"));
    QCOMPARE(v.stale, std::vector<std::string>{"unlinked c -> d"});
}

QTEST_APPLESS_MAIN(TestIncludeRules)
#include "test_include_rules.moc"
