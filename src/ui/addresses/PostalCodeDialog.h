#pragma once
// The postal code directory window: the user chooses a region, or none for all of them, and types
// a locality; every entry that holds the locality's search key is listed (with its region after the
// locality when all regions were searched), each search replacing the list. "Вставить" hands the chosen code, and on
// request the locality and the region, to whoever shows the recipient's address. The window can be
// resized; the list grows with it. The window only reads files.

#include "logic/addresses/PostalSearch.h"

#include <QDialog>
#include <QStringList>

struct AppContext;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

class PostalCodeDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PostalCodeDialog(AppContext &ctx, QWidget *parent = nullptr);

    // The row of the region file table that the region box selects, or -1 when none is
    // (the box still shows "Выберите область", or its text names no region): all regions.
    int selectedRegion() const;

    QComboBox *regionBox() const { return m_regionBox; }
    QLineEdit *localityBox() const { return m_localityBox; }
    QListWidget *resultsList() const { return m_resultsList; }
    QCheckBox *withLocalityBox() const { return m_withLocality; }

    // The lines that "Вставить" hands on for a listed entry: the code, or the locality, the region
    // (none for the city of Kyiv) and the code.
    QStringList linesToInsert(const QListWidgetItem *item) const;

signals:
    // "Вставить": lines for the recipient's address.
    void insertRequested(const QStringList &lines);

public slots:
    // "Искать", or Enter (the search button is the default): the list shows the entries found.
    void search();
    // "Очистить": empties the list and the locality box.
    void clearResults();
    // "Вставить", or a double click on an entry: the chosen entry is handed on and the window closes.
    void insertChosen();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The region list into the region box (a failure is reported and leaves the box empty).
    void loadRegions();

    AppContext &m_ctx;
    QList<postal::FoundEntry> m_found; // what the list shows, row by row
    QLabel *m_regionLabel = nullptr;
    QLabel *m_localityLabel = nullptr;
    QComboBox *m_regionBox = nullptr;
    QLineEdit *m_localityBox = nullptr;
    QListWidget *m_resultsList = nullptr;
    QCheckBox *m_withLocality = nullptr;
    QPushButton *m_searchButton = nullptr;
    QPushButton *m_insertButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_clearButton = nullptr;
};
