// SPDX-License-Identifier: GPL-3.0-or-later
// kvtml-roundtrip IN OUT: opens a KVTML file with KDE's vocabulary library, as KDE's
// trainers do, prints each entry as the library sees it (what such a trainer shows), and
// saves the document again as KVTML 2.0 to OUT. Exit status 0 when both worked.
//
// Printed: "TITLE" and the title; per entry a line "ENTRY", then a line per translation:
// "T", its id, text, comment and multiple-choice list, the fields between tabs, with \n, \t
// and \\ escaped.
#include <KEduVocDocument>
#include <KEduVocExpression>
#include <KEduVocLesson>
#include <KEduVocTranslation>

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>
#include <QUrl>

namespace {

QString escaped(QString text) {
    return text.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"))
        .replace(QLatin1Char('\t'), QLatin1String("\\t"));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (args.size() != 3) {
        err << "usage: kvtml-roundtrip IN OUT\n";
        return 2;
    }
    KEduVocDocument doc;
    const auto opened = doc.open(QUrl::fromLocalFile(QFileInfo(args[1]).absoluteFilePath()),
                                 KEduVocDocument::FileIgnoreLock);
    if (opened != KEduVocDocument::NoError) {
        err << "cannot open " << args[1] << ": " << KEduVocDocument::errorDescription(opened)
            << "\n";
        return 1;
    }
    out << "TITLE\t" << escaped(doc.title()) << "\n";
    const QList<KEduVocExpression*> entries = doc.lesson()->entries(KEduVocContainer::Recursive);
    for (KEduVocExpression* e : entries) {
        out << "ENTRY\n";
        for (int id : e->translationIndices()) {
            KEduVocTranslation* t = e->translation(id);
            if (!t)
                continue;
            out << "T\t" << id << "\t" << escaped(t->text()) << "\t" << escaped(t->comment());
            for (const QString& choice : t->getMultipleChoice())
                out << "\t" << escaped(choice);
            out << "\n";
        }
    }
    doc.setGenerator(QStringLiteral("kvtml-roundtrip"));
    const auto saved = doc.saveAs(QUrl::fromLocalFile(QFileInfo(args[2]).absoluteFilePath()),
                                  KEduVocDocument::Kvtml, KEduVocDocument::FileIgnoreLock);
    if (saved != KEduVocDocument::NoError) {
        err << "cannot save " << args[2] << ": " << KEduVocDocument::errorDescription(saved)
            << "\n";
        return 1;
    }
    return 0;
}
