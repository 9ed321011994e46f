#pragma once
// The postal code directory window: the user chooses a region and types a locality; every entry of
// that region's file that holds the locality's search key is added to the results box, which keeps
// earlier results until "Очистить". The window only reads files.

#include <QDialog>

struct AppContext;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class PostalCodeDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PostalCodeDialog(AppContext &ctx, QWidget *parent = nullptr);

    // The row of the region file table that the region box selects, or -1 when none is
    // (the box still shows "Выберите область", or its text names no region).
    int selectedRegion() const;

    QComboBox *regionBox() const { return m_regionBox; }
    QLineEdit *localityBox() const { return m_localityBox; }
    QPlainTextEdit *resultsBox() const { return m_resultsBox; }

public slots:
    // "Искать", or Enter (the search button is the default): the entries found are added to the results.
    void search();
    // "Очистить": empties the results and the locality box.
    void clearResults();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The region list into the region box (a failure is reported and leaves the box empty).
    void loadRegions();

    AppContext &m_ctx;
    QLabel *m_regionLabel = nullptr;
    QLabel *m_localityLabel = nullptr;
    QComboBox *m_regionBox = nullptr;
    QLineEdit *m_localityBox = nullptr;
    QPlainTextEdit *m_resultsBox = nullptr;
    QPushButton *m_searchButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_clearButton = nullptr;
};
