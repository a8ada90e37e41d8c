// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordlist/WordListImport.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace window {

// The preview of a word list before it is imported: how it is read (encoding, separator,
// header),
// which columns are the question and the answer, whether several answer fields make a
// multiple-answer card, and the new set's name; the first rows shown as the cards they
// will become, and how many cards the whole list makes.
class WordListDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kPreviewRows = 50;

    // `existingNames`: the sets there are, to tell the learner the name the set will get.
    WordListDialog(const wordlist::ListFile& file, const QStringList& existingNames,
                   QWidget* parent = nullptr);

    wordlist::ListOptions options() const;
    const wordlist::ListPreview& preview() const { return preview_; }

    QComboBox* encodingBox() const { return encoding_; }
    QComboBox* separatorBox() const { return separator_; }
    QCheckBox* headerBox() const { return header_; }
    QComboBox* questionBox() const { return question_; }
    QComboBox* answerBox() const { return answer_; }
    QCheckBox* multiBox() const { return multi_; }
    QLineEdit* nameEdit() const { return name_; }
    QTableWidget* table() const { return table_; }

  private:
    void refresh();
    void fillColumns();
    void fillTable();
    void updateNameNote();
    void rereadInChosenEncoding();

    wordlist::ListFile file_;
    QString rereadProblem_; // why the file could not be read again in the chosen encoding
    QStringList existingNames_;
    wordlist::ListPreview preview_;
    QComboBox* encoding_;
    QComboBox* separator_;
    QCheckBox* header_;
    QComboBox* question_;
    QComboBox* answer_;
    QCheckBox* multi_;
    QLineEdit* name_;
    QLabel* nameNote_;
    QLabel* summary_;
    QTableWidget* table_;
};

} // namespace window
