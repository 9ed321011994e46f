#include "ui/addresses/PostalCodeDialog.h"
#include "ui/common/FormLook.h"

#include "logic/addresses/PostalSearch.h"
#include "ui/common/AppContext.h"
#include "logic/services/Guard.h"
#include "logic/services/Messages.h"
#include "logic/files/WorkDir.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace {
const QString kMissingParameters = QStringLiteral("не хватает нужных параметров для поиска!");
}

PostalCodeDialog::PostalCodeDialog(AppContext &ctx, QWidget *parent)
    : QDialog(parent, formlook::FixedDialogFlags)
    , m_ctx(ctx)
{
    setObjectName(QStringLiteral("Indexform"));
    setWindowTitle(QStringLiteral("Справочник почтовых индексов Украины"));
    setFont(formlook::msSansSerif(11));
    setFixedSize(398, 232);

    m_label1 = new QLabel(QStringLiteral("Область"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->move(16, 24);
    m_label1->adjustSize();

    m_comboBox1 = new QComboBox(this);
    m_comboBox1->setObjectName(QStringLiteral("ComboBox1"));
    m_comboBox1->setEditable(true);
    m_comboBox1->setInsertPolicy(QComboBox::NoInsert);
    m_comboBox1->setMaxVisibleItems(25);
    m_comboBox1->setGeometry(16, 40, 145, 21);

    m_label2 = new QLabel(QStringLiteral("Населенный пункт (на укр. языке)"), this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->move(200, 24);
    m_label2->adjustSize();

    m_edit1 = new QLineEdit(this);
    m_edit1->setObjectName(QStringLiteral("Edit1"));
    m_edit1->setToolTip(QStringLiteral("Нажмите ENTER для поиска"));
    m_edit1->setGeometry(200, 40, 121, 21);

    m_memo1 = new QPlainTextEdit(this);
    m_memo1->setObjectName(QStringLiteral("Memo1"));
    m_memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memo1->setGeometry(16, 80, 337, 89);

    auto button = [this](const char *name, const QString &caption, int left) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(left, 200, 75, 25);
        // Enter starts a search only from the locality box: no button takes it.
        b->setAutoDefault(false);
        b->setDefault(false);
        return b;
    };
    m_button1 = button("Button1", QStringLiteral("Искать"), 128);
    m_button2 = button("Button2", QStringLiteral("Отмена"), 224);
    m_button3 = button("Button3", QStringLiteral("Очистить"), 312);

    setTabOrder(m_comboBox1, m_edit1);
    setTabOrder(m_edit1, m_button1);
    setTabOrder(m_button1, m_button2);
    setTabOrder(m_button2, m_button3);
    setTabOrder(m_button3, m_memo1);

    connect(m_button1, &QPushButton::clicked, this, &PostalCodeDialog::Button1Click);
    connect(m_button2, &QPushButton::clicked, this, &PostalCodeDialog::Button2Click);
    connect(m_button3, &QPushButton::clicked, this, &PostalCodeDialog::Button3Click);
    connect(m_edit1, &QLineEdit::returnPressed, this, &PostalCodeDialog::Edit1KeyPress);
    connect(m_comboBox1, &QComboBox::currentIndexChanged, this, &PostalCodeDialog::ComboBox1Change);

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }

    FormCreate();
}

QString PostalCodeDialog::MyUpcase(const QString &text)
{
    return postal::searchKey(text);
}

void PostalCodeDialog::FormCreate()
{
    // A missing region list is reported; the window still opens, with an empty region box.
    guarded(m_ctx.messages, [&] { m_comboBox1->addItems(m_ctx.workDir.loadLines(postal::regionListFile())); });
    m_comboBox1->setCurrentIndex(-1);
    m_comboBox1->setEditText(QStringLiteral("Выберите область"));
}

int PostalCodeDialog::selectedRegion() const
{
    const QString text = m_comboBox1->currentText();
    const int current = m_comboBox1->currentIndex();
    if (current >= 0 && m_comboBox1->itemText(current) == text)
        return current;
    // A region name typed in full selects its entry, as a choice from the list would.
    return m_comboBox1->findText(text, Qt::MatchExactly);
}

void PostalCodeDialog::search()
{
    guarded(m_ctx.messages, [&] {
        const int row = selectedRegion();
        if (row < 0 || m_edit1->text().isEmpty()) {
            m_ctx.messages.show(kMissingParameters);
            return;
        }
        const QStringList found = postal::searchRegion(m_ctx.workDir, row, m_edit1->text());
        if (!found.isEmpty())
            m_memo1->appendPlainText(found.join(QLatin1Char('\n')));
    });
}

void PostalCodeDialog::Button1Click()
{
    search();
}

void PostalCodeDialog::Edit1KeyPress()
{
    search();
}

void PostalCodeDialog::Button2Click()
{
    close();
}

void PostalCodeDialog::Button3Click()
{
    m_memo1->clear();
    m_edit1->clear();
}

void PostalCodeDialog::ComboBox1Change()
{
    // Nothing to show: the next search uses the region chosen now.
}
