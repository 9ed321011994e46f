#include "Shots.h"

#include "logic/files/WorkDir.h"
#include "ui/addresses/AddressBookDialog.h"
#include "ui/addresses/AddresseeDialog.h"
#include "ui/addresses/SenderDialog.h"
#include "ui/common/AppContext.h"

#include <QAbstractItemModel>
#include <QListView>
#include <QPlainTextEdit>

static void shotsAddresses(ShotEnv &env)
{
    const WorkDir &dir = env.ctx.workDir;
    dir.writeLines(QStringLiteral("Book.txt"), {QStringLiteral("%Петренко Ольга Петровна"),
                                                QStringLiteral("#пр. Науки, 45, кв. 17"),
                                                QStringLiteral("#г. Харьков"),
                                                QStringLiteral("#"),
                                                QStringLiteral("#Харьковская область"),
                                                QStringLiteral("#Украина"),
                                                QStringLiteral("#61000"),
                                                QStringLiteral("%Иванов Иван Иванович"),
                                                QStringLiteral("#ул. Шевченко, 12, кв. 5"),
                                                QStringLiteral("#с. Гоголев"),
                                                QStringLiteral("#Броварский район"),
                                                QStringLiteral("#Киевская область"),
                                                QStringLiteral("#Украина"),
                                                QStringLiteral("#07441"),
                                                QStringLiteral("%ООО «Ромашка»"),
                                                QStringLiteral("#ул. Садовая, 3"),
                                                QStringLiteral("#г. Одесса"),
                                                QStringLiteral("#"),
                                                QStringLiteral("#"),
                                                QStringLiteral("#"),
                                                QStringLiteral("#65000"),
                                                QStringLiteral("%Ёлкин Егор"),
                                                QStringLiteral("#пр. Мира, 3"),
                                                QStringLiteral("#г. Львов"),
                                                QStringLiteral("#"),
                                                QStringLiteral("#"),
                                                QStringLiteral("#Украина"),
                                                QStringLiteral("#79000")});
    dir.writeText(QStringLiteral("user.txt"),
                  QStringLiteral("Сидоренко Анна Сергеевна\r\nул. Крещатик, 22, кв. 8\r\nг. Киев\r\n01001"));

    AddressBookDialog book(env.ctx);
    book.show();
    QListView *list = book.namesList();
    const QModelIndex selected = list->model()->index(1, 0);
    list->setCurrentIndex(selected);
    grab(&book, env, QStringLiteral("addressbook"));

    AddAddresseeDialog *add = book.openAddDialog();
    add->setBoxTexts({QStringLiteral("Коваль Марина"), QStringLiteral("ул. Липовая, 8"), QStringLiteral("г. Ирпень"),
                      QStringLiteral("Бучанский"), QStringLiteral("Киевская"), QStringLiteral("Украина"),
                      QStringLiteral("08200")});
    grab(add, env, QStringLiteral("addressbook-add"));
    add->close();

    list->setCurrentIndex(selected);
    if (EditAddresseeDialog *edit = book.openEditDialog()) {
        grab(edit, env, QStringLiteral("addressbook-edit"));
        edit->close();
    }

    DeleteAddresseeDialog *del = book.openDeleteDialog();
    grab(del, env, QStringLiteral("addressbook-delete"));
    del->close();

    SenderDialog user(env.ctx);
    grab(&user, env, QStringLiteral("userform"));
}
static ShotRegistrar registrar("5-addresses", &shotsAddresses);
