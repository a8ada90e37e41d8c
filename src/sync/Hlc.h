// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace syncing {

// A hybrid logical clock: a reading (milliseconds since 1970 shifted left by 16, plus a
// count) is never below the wall clock, always above every reading this machine made or saw.
// Machines agree on the order of changes even when one clock is hours wrong: its readings pull
// every other clock forward once seen, so it cannot win every later conflict.
class Hlc {
  public:
    Hlc(qint64 last, QString replica) : last_(last), replica_(std::move(replica)) {}
    // A new stamp for a change made at `wallMs` (this machine's clock).
    QString next(qint64 wallMs);
    // Takes a stamp read from another machine into account.
    void observe(const QString& stamp);
    qint64 last() const { return last_; }
    const QString& replica() const { return replica_; }

  private:
    qint64 last_;
    QString replica_;
};

// A stamp is the reading in 16 hex digits followed by the replica id: stamps compare as
// text, and two machines' stamps never tie.
QString stampOf(qint64 reading, const QString& replica);
qint64 readingOf(const QString& stamp);
QString replicaOf(const QString& stamp);

// This machine's clock in milliseconds since 1970; tests shift it to play a wrong clock.
qint64 wallClockMs();
void setClockShiftForTesting(qint64 ms);
qint64 clockShift();
// Tests that must replay a failure exactly stop the clock (0 lets it run again) and move it
// themselves, and draw ids from a seeded generator (0: the system's again).
void setClockForTesting(qint64 ms);
void setIdSeedForTesting(quint64 seed);

// This machine's time now, as the state file, the machine list and the conflicts keep it.
QString nowText();

// 128 random bits in 32 lowercase hex digits.
QString newId();

} // namespace syncing
