// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace exchange {

// What the merge does with one set of the file.
struct SetFate {
    enum Kind { Kept, Renamed, LeftOut } kind = Kept;
    QString name; // the name it is added under (empty when left out)
};

// The set names of a merge. A set whose name is free keeps it; one whose name is taken gets
// "1" appended, unless that name is taken too, or it is "*set0", and then it is left out.
// Names compare without regard to letter case in every alphabet. A name that another set
// of the same file keeps counts as taken, so two sets never arrive under one name.
class MergePlan {
  public:
    MergePlan(const QStringList& existingNames, const QStringList& fileNames);

    // One fate per file name, in the file's order.
    const std::vector<SetFate>& fates() const { return fates_; }

    // The fate of a log row's set name: that of the file's set of exactly this name, or,
    // for a set the file does not hold, the same rules against the names now taken.
    SetFate logFate(const QString& setName) const;

  private:
    bool taken(const QString& name) const;

    QStringList fileNames_;
    QStringList takenFolded_; // kept sorted
    std::vector<SetFate> fates_;
};

} // namespace exchange
