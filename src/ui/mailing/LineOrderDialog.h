#pragma once
// The line-order dialog: pastes rows of tabular text from the clipboard (or takes those of a table
// file), shows the cells of the first row, lets the user assign columns to the nine envelope fields, and on OK turns
// every row into a mailing record: "Slfile.tmp" is written and read back into the mailing record array, and the record
// keys fill the mailing list.

#include "logic/mailing/MailingRecordFile.h"

#include <QDialog>
#include <QStringList>
#include <array>

struct AppContext;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;

class LineOrderDialog : public QDialog
{
    Q_OBJECT
public:
    LineOrderDialog(AppContext &ctx, QWidget *parent = nullptr);

    // Takes the clipboard's rows, drops those shorter than five characters and lists the cells of
    // the first one ("Неверный формат данных" when it has no tab).
    void pasteClipboard();
    // The same for the given text.
    void pasteText(const QString &text);
    // The same for rows read from a table file (cells joined by tabs).
    void showRows(QStringList rows);

    // A click on the box of a field: the selected cell is assigned to it (none: the box is emptied).
    void assignSelectedColumn(int field);
    // "OK": every row becomes a mailing record, and the record keys fill the mailing list.
    void createRecords();
    // A field box emptied from the keyboard (Delete), its column unassigned.
    void clearField(int field);
    // "Отмена" or Escape: the rows are forgotten.
    void cancel();
    void reject() override;

    const ColumnMap &columnMap() const { return m_columns; }
    const QStringList &rows() const { return m_rows; }
    QListWidget *columnList() const { return m_columnList; }
    QLineEdit *fieldBox(int field) const { return m_boxes.at(field); }
    QLabel *countLabel() const { return m_countLabel; }
    // "Первая строка — заголовки столбцов": ticked, the first row names the columns and is no record.
    QCheckBox *titleRowBox() const { return m_titleRowBox; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    AppContext &m_ctx;
    ColumnMap m_columns = emptyColumnMap();
    QStringList m_rows;
    QListWidget *m_columnList = nullptr;
    QLabel *m_countLabel = nullptr;
    QCheckBox *m_titleRowBox = nullptr;
    std::array<QLineEdit *, MailingData::MailingRecordLines> m_boxes{};
};
