<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru">
<context>
    <name>AboutDialog</name>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>&lt;b&gt;Велтора&lt;/b&gt;, версия %1</source>
        <translation>&lt;b&gt;Veltora&lt;/b&gt;, version %1</translation>
    </message>
    <message>
        <source>Печать адресов на конвертах</source>
        <translation>Prints addresses on envelopes</translation>
    </message>
    <message>
        <source>Почтовые индексы: Укрпошта,
довідник поштових індексів (2025)</source>
        <translation>Postal codes: Ukrposhta,
directory of postal codes (2025)</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>AddAddresseeDialog</name>
    <message>
        <source>Добавление нового адресата</source>
        <translation>New addressee</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
</context>
<context>
    <name>AddressBookDialog</name>
    <message>
        <source>Адресная книга</source>
        <translation>Address book</translation>
    </message>
    <message>
        <source>Список адресатов</source>
        <translation>Addressees</translation>
    </message>
    <message>
        <source>Данные об адресате</source>
        <translation>Addressee details</translation>
    </message>
    <message>
        <source>Добавить адресата</source>
        <translation>Add an addressee</translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Удаление адресата</source>
        <translation>Delete addressees</translation>
    </message>
    <message>
        <source>Информация о пользователе</source>
        <translation>Sender&apos;s address</translation>
    </message>
    <message>
        <source>Адресат не выбран!</source>
        <translation>No addressee selected!</translation>
    </message>
    <message>
        <source>Запись адресата «%1» была изменена или удалена после открытия окна редактирования. Изменения не сохранены.</source>
        <translation>The record of addressee &quot;%1&quot; was changed or deleted after the edit window was opened. The changes were not saved.</translation>
    </message>
    <message>
        <source>Импорт и экспорт</source>
        <translation>Import and export</translation>
    </message>
    <message>
        <source>&amp;Импорт из vCard или таблицы…</source>
        <translation>&amp;Import from vCard or a table…</translation>
    </message>
    <message>
        <source>Экспорт &amp;всей книги…</source>
        <translation>Export the &amp;whole book…</translation>
    </message>
    <message>
        <source>Экспорт в&amp;ыбранных адресатов…</source>
        <translation>Export the &amp;selected addressees…</translation>
    </message>
    <message>
        <source>Импорт адресатов</source>
        <translation>Import addressees</translation>
    </message>
    <message>
        <source>Контакты и таблицы (*.vcf *.csv *.tsv *.txt *.ods *.xlsx);;Все файлы (*)</source>
        <translation>Contacts and tables (*.vcf *.csv *.tsv *.txt *.ods *.xlsx);;All files (*)</translation>
    </message>
    <message>
        <source>Экспорт адресатов</source>
        <translation>Export addressees</translation>
    </message>
    <message>
        <source>Адресаты.vcf</source>
        <translation>Addressees.vcf</translation>
    </message>
    <message>
        <source>vCard 4.0 (*.vcf);;CSV в UTF-8 (*.csv)</source>
        <translation>vCard 4.0 (*.vcf);;CSV in UTF-8 (*.csv)</translation>
    </message>
    <message>
        <source>Адресат «%1» уже есть в адресной книге.</source>
        <translation>The addressee &quot;%1&quot; is already in the address book.</translation>
    </message>
    <message>
        <source>Заменить</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Оставить оба</source>
        <translation>Keep both</translation>
    </message>
    <message>
        <source>Пропустить</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>Для всех совпадающих имён</source>
        <translation>For every name already there</translation>
    </message>
    <message>
        <source>Добавлено: %1, заменено: %2, пропущено: %3.</source>
        <translation>Added: %1, replaced: %2, skipped: %3.</translation>
    </message>
    <message>
        <source>Без почтового адреса: %1</source>
        <translation>Without a postal address: %1</translation>
    </message>
</context>
<context>
    <name>AddresseeDialog</name>
    <message>
        <source>Ф.И.О или назване организации</source>
        <translation>Full name or organisation</translation>
    </message>
    <message>
        <source>Улица, дом, квартира</source>
        <translation>Street, house, flat</translation>
    </message>
    <message>
        <source>Населенный пункт</source>
        <translation>Town or village</translation>
    </message>
    <message>
        <source>Район</source>
        <translation>District</translation>
    </message>
    <message>
        <source>Область</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Страна</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Почтовый индекс</source>
        <translation>Postal code</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ArrowPairWidget</name>
    <message>
        <source>Вверх</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Вниз</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Влево</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Вправо</source>
        <translation>Right</translation>
    </message>
</context>
<context>
    <name>BatchPrint</name>
    <message>
        <source>Не установлены параметры конверта</source>
        <translation>The envelope size is not set</translation>
    </message>
    <message>
        <source>Слишком много страниц: %1</source>
        <translation>Too many pages: %1</translation>
    </message>
</context>
<context>
    <name>BookTransfer</name>
    <message>
        <source>дом</source>
        <translation>home</translation>
    </message>
    <message>
        <source>работа</source>
        <translation>work</translation>
    </message>
    <message>
        <source>адрес %1</source>
        <translation>address %1</translation>
    </message>
</context>
<context>
    <name>Codepage</name>
    <message>
        <source>Символ «%1» (U+%2) нельзя сохранить в кодировке Windows-1251. Файл «%3» не изменён.</source>
        <translation>The character &quot;%1&quot; (U+%2) cannot be saved in the Windows-1251 encoding. The file &quot;%3&quot; was not changed.</translation>
    </message>
</context>
<context>
    <name>DataFolders</name>
    <message>
        <source>Велтора: папки с данными программы «%1» нет, рабочая папка не дополнена</source>
        <translation>Veltora: the program&apos;s data folder &apos;%1&apos; is missing: the working directory was not filled from it</translation>
    </message>
</context>
<context>
    <name>DeleteAddresseeDialog</name>
    <message>
        <source>Удаление адресата</source>
        <translation>Delete addressees</translation>
    </message>
    <message>
        <source>Выберите записи, подлежащие удалению</source>
        <translation>Choose the records to delete</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DocumentBrowser</name>
    <message>
        <source>Открытие документа</source>
        <translation>Open a document</translation>
    </message>
    <message>
        <source>Содержимое папки</source>
        <translation>Folder contents</translation>
    </message>
    <message>
        <source>Папка</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Рабочий стол</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>Домашняя папка</source>
        <translation>Home folder</translation>
    </message>
</context>
<context>
    <name>EditAddresseeDialog</name>
    <message>
        <source>Редактирование адресата</source>
        <translation>Edit addressee</translation>
    </message>
    <message>
        <source>Cохранить</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>EnvelopeDrawing</name>
    <message>
        <source>Марка</source>
        <translation>Stamp</translation>
    </message>
</context>
<context>
    <name>EnvelopeSizes</name>
    <message>
        <source>%1 X %2мм</source>
        <translation>%1 × %2 mm</translation>
    </message>
    <message>
        <source>%1 X %2 мм</source>
        <translation>%1 × %2 mm</translation>
    </message>
</context>
<context>
    <name>FeedMethodDialog</name>
    <message>
        <source>Способ загрузки конверта</source>
        <translation>Envelope feed</translation>
    </message>
    <message>
        <source>Выберите способ загрузки конвертов в принтер</source>
        <translation>How are envelopes fed into the printer?</translation>
    </message>
    <message>
        <source>По левому краю принтера</source>
        <translation>Against the left edge</translation>
    </message>
    <message>
        <source>По центру принтера</source>
        <translation>In the centre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>FontSetupDialog</name>
    <message>
        <source>Настройка шрифтов</source>
        <translation>Fonts</translation>
    </message>
    <message>
        <source>Шрифт адреса отправителя</source>
        <translation>Sender&apos;s address font</translation>
    </message>
    <message>
        <source>Шрифт адреса получателя</source>
        <translation>Recipient&apos;s address font</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Список шрифтов:</source>
        <translation>Fonts:</translation>
    </message>
    <message>
        <source>Полужирный</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>Курсив</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>Размер</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>АаБбВвГгДд</source>
        <translation>AaBbCcDdEe</translation>
    </message>
</context>
<context>
    <name>GroupMailingWindow</name>
    <message>
        <source>Групповая рассылка</source>
        <translation>Group mailing</translation>
    </message>
    <message>
        <source>Выберите источник адресов</source>
        <translation>Choose the address source</translation>
    </message>
    <message>
        <source>Адреса из адр. книги</source>
        <translation>From the address book</translation>
    </message>
    <message>
        <source>Адреса рассылки</source>
        <translation>Mailing list</translation>
    </message>
    <message>
        <source>Данные об адресате</source>
        <translation>Addressee details</translation>
    </message>
    <message>
        <source>Скопируйте нужный массив из</source>
        <translation>Copy the rows you need from</translation>
    </message>
    <message>
        <source>документа, содержащего адреса </source>
        <translation>a document that holds addresses </translation>
    </message>
    <message>
        <source>(таблица MS Excel, БД MS Access,</source>
        <translation>(an MS Excel sheet, MS Access DB,</translation>
    </message>
    <message>
        <source>таблица MS Word и т.д.)</source>
        <translation>MS Word table, etc.)</translation>
    </message>
    <message>
        <source>и нажмите &quot;Создать&quot;.</source>
        <translation>and press &quot;Create&quot;.</translation>
    </message>
    <message>
        <source>Другой источник</source>
        <translation>Other source</translation>
    </message>
    <message>
        <source>Адресная книга</source>
        <translation>Address book</translation>
    </message>
    <message>
        <source>Добавить адрес в список рассылки</source>
        <translation>Add the address to the mailing list</translation>
    </message>
    <message>
        <source>Добавить все адреса в список рассылки</source>
        <translation>Add all addresses to the mailing list</translation>
    </message>
    <message>
        <source>Открыть документ с адресами</source>
        <translation>Open a document with addresses</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Создать</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Предварительный просмотр перед печатью</source>
        <translation>Preview before printing</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Выберите нужный файл в окне броузера</source>
        <translation>Choose the file in the browser window</translation>
    </message>
    <message>
        <source>Индексы не проверены</source>
        <translation>Postal codes not checked</translation>
    </message>
    <message>
        <source>Справочник индексов не прочитан: %1</source>
        <translation>The postal code directory could not be read: %1</translation>
    </message>
    <message>
        <source>Индексы в порядке</source>
        <translation>Postal codes are correct</translation>
    </message>
    <message>
        <source>Ошибки в индексах: %1 из %2</source>
        <translation>Postal code problems: %1 of %2</translation>
    </message>
    <message>
        <source>Наведите указатель на отмеченный адрес, чтобы увидеть ошибку</source>
        <translation>Hover over a marked address to see the problem</translation>
    </message>
    <message>
        <source>Из файла…</source>
        <translation>From a file…</translation>
    </message>
    <message>
        <source>Открыть таблицу с адресами: CSV, TSV, OpenDocument (.ods), Excel (.xlsx)</source>
        <translation>Open a table of addresses: CSV, TSV, OpenDocument (.ods), Excel (.xlsx)</translation>
    </message>
    <message>
        <source>Открыть таблицу с адресами</source>
        <translation>Open a table of addresses</translation>
    </message>
    <message>
        <source>Таблицы (*.csv *.tsv *.txt *.ods *.xlsx);;Все файлы (*)</source>
        <translation>Tables (*.csv *.tsv *.txt *.ods *.xlsx);;All files (*)</translation>
    </message>
    <message>
        <source>Лист книги</source>
        <translation>Sheet</translation>
    </message>
    <message>
        <source>В книге несколько листов. Какой открыть?</source>
        <translation>The workbook has several sheets. Which one?</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>После --lang нужен код языка: %1.</source>
        <translation>--lang needs a language code: %1.</translation>
    </message>
    <message>
        <source>Неизвестный язык «%1» в --lang: допустимо %2.</source>
        <translation>Unknown language &quot;%1&quot; in --lang: use %2.</translation>
    </message>
</context>
<context>
    <name>LineOrderDialog</name>
    <message>
        <source>Фамилия</source>
        <translation>Surname</translation>
    </message>
    <message>
        <source>Имя</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Отчество</source>
        <translation>Patronymic</translation>
    </message>
    <message>
        <source>Улица, дом, квартира</source>
        <translation>Street, house, flat</translation>
    </message>
    <message>
        <source>Населенный пункт</source>
        <translation>Town or village</translation>
    </message>
    <message>
        <source>Район (если нужно)</source>
        <translation>District (optional)</translation>
    </message>
    <message>
        <source>Область (если нужно)</source>
        <translation>Region (optional)</translation>
    </message>
    <message>
        <source>Страна (если нужно)</source>
        <translation>Country (optional)</translation>
    </message>
    <message>
        <source>Почтовый индекс</source>
        <translation>Postal code</translation>
    </message>
    <message>
        <source>Установка порядка строк</source>
        <translation>Order of the address lines</translation>
    </message>
    <message>
        <source>Исходный порядок строк:</source>
        <translation>Columns as pasted:</translation>
    </message>
    <message>
        <source>Выберите слово из списка и щелкните мышкой по полю, где оно должно стоять</source>
        <translation>Choose a word in the list and click the field where it belongs</translation>
    </message>
    <message>
        <source>Количество строк: </source>
        <translation>Number of columns: </translation>
    </message>
    <message>
        <source>Щелчок или пробел: поставить сюда слово, выбранное в списке; Delete: очистить поле</source>
        <translation>Click or Space: put the word chosen in the list here; Delete: empty the field</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Неверный формат данных</source>
        <translation>Wrong data format</translation>
    </message>
    <message>
        <source>Кол-во строк:  %1</source>
        <translation>Columns:  %1</translation>
    </message>
    <message>
        <source>Не хватает данных!</source>
        <translation>Not enough data!</translation>
    </message>
    <message>
        <source>Создать список рассылки?</source>
        <translation>Create the mailing list?</translation>
    </message>
    <message>
        <source>Велтора</source>
        <translation>Veltora</translation>
    </message>
    <message>
        <source>Первая строка — заголовки столбцов</source>
        <translation>The first row holds column titles</translation>
    </message>
</context>
<context>
    <name>MailingChecks</name>
    <message>
        <source>строки %1 и %2: «%3»</source>
        <translation>rows %1 and %2: &apos;%3&apos;</translation>
    </message>
    <message>
        <source>и ещё %1 фамилий</source>
        <translation>and %1 more surnames</translation>
    </message>
    <message>
        <source>Одна фамилия стоит в нескольких строках:
%1
Конверты этих строк получат один адрес — из последней строки с этой фамилией.</source>
        <translation>One surname stands on several rows:
%1
The envelopes of these rows will carry one address — that of the last row with this surname.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Велтора</source>
        <translation>Veltora</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Написать письмо</source>
        <translation>Write a letter</translation>
    </message>
    <message>
        <source>&amp;Печать</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>&amp;Правка</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Вставить</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>&amp;Дополнительно</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>Размер конверта</source>
        <translation>Envelope size</translation>
    </message>
    <message>
        <source>Адресная книга</source>
        <translation>Address book</translation>
    </message>
    <message>
        <source>&amp;Справка</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Язык</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Не удалось запомнить выбор языка: настройки пользователя не записываются.</source>
        <translation>The language choice could not be remembered: the user settings cannot be written.</translation>
    </message>
    <message>
        <source>Выбранный язык интерфейса вступит в силу при следующем запуске программы.</source>
        <translation>The chosen interface language takes effect the next time the program starts.</translation>
    </message>
    <message>
        <source>Печать данного конверта</source>
        <translation>Print this envelope</translation>
    </message>
    <message>
        <source>Размеры конверта</source>
        <translation>Envelope size</translation>
    </message>
    <message>
        <source>Настройка шрифтов</source>
        <translation>Fonts</translation>
    </message>
    <message>
        <source>Информация о пользователе</source>
        <translation>Sender&apos;s address</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Адрес отправителя</source>
        <translation>Sender&apos;s address</translation>
    </message>
    <message>
        <source>Адрес получателя</source>
        <translation>Recipient&apos;s address</translation>
    </message>
    <message>
        <source>Марка</source>
        <translation>Stamp</translation>
    </message>
    <message>
        <source>Вы действительно хотите выйти?</source>
        <translation>Do you really want to quit Veltora?</translation>
    </message>
    <message>
        <source>Не удалось начать письмо: не запускается текстовый редактор WordPad (write.exe).</source>
        <translation>Cannot start a letter: WordPad (write.exe) does not start.</translation>
    </message>
    <message>
        <source>Не удалось начать письмо: в системе не найден текстовый процессор. Установите текстовый процессор (например, LibreOffice Writer, пакет libreoffice-writer) и повторите попытку.</source>
        <translation>Cannot start a letter: no word processor was found on the system. Install one (for example LibreOffice Writer, package libreoffice-writer) and try again.</translation>
    </message>
    <message>
        <source>Не удалось открыть справку: не запускается программа просмотра справки Windows (hh.exe).</source>
        <translation>Cannot open the help: the Windows help viewer (hh.exe) does not start.</translation>
    </message>
    <message>
        <source>Не удалось открыть справку: не найден файл %1.</source>
        <translation>Cannot open the help: the file %1 was not found.</translation>
    </message>
    <message>
        <source>&amp;Написать письмо</source>
        <translation>&amp;Write a letter</translation>
    </message>
    <message>
        <source>&amp;Данный конверт</source>
        <translation>&amp;This envelope</translation>
    </message>
    <message>
        <source>&amp;Групповая рассылка</source>
        <translation>&amp;Group mailing</translation>
    </message>
    <message>
        <source>В&amp;ыход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Копировать</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>В&amp;ставить</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>&amp;Выделить всё</source>
        <translation>Select &amp;all</translation>
    </message>
    <message>
        <source>&amp;Размер конверта</source>
        <translation>Envelope &amp;size</translation>
    </message>
    <message>
        <source>&amp;Шрифт</source>
        <translation>&amp;Font</translation>
    </message>
    <message>
        <source>&amp;Адресная книга</source>
        <translation>&amp;Address book</translation>
    </message>
    <message>
        <source>&amp;Инф. о пользователе</source>
        <translation>Sen&amp;der&apos;s address</translation>
    </message>
    <message>
        <source>&amp;Почтовый индекс</source>
        <translation>Postal &amp;code</translation>
    </message>
    <message>
        <source>&amp;Вызов справки </source>
        <translation>&amp;Help contents</translation>
    </message>
    <message>
        <source>&amp;О программе</source>
        <translation>&amp;About Veltora</translation>
    </message>
    <message>
        <source>Адрес отправителя, строка за строкой, как он будет напечатан на конверте.</source>
        <translation>The sender&apos;s address, line by line, as it will be printed on the envelope.</translation>
    </message>
    <message>
        <source>Адрес получателя, строка за строкой, как он будет напечатан на конверте.</source>
        <translation>The recipient&apos;s address, line by line, as it will be printed on the envelope.</translation>
    </message>
</context>
<context>
    <name>PostalCheck</name>
    <message>
        <source> и ещё %1</source>
        <translation> and %1 more</translation>
    </message>
    <message>
        <source> и др.</source>
        <translation> etc.</translation>
    </message>
    <message>
        <source>нет почтового индекса</source>
        <translation>no postal code</translation>
    </message>
    <message>
        <source>«%1» — почтовый индекс должен состоять из пяти цифр</source>
        <translation>&apos;%1&apos;: a postal code has five digits</translation>
    </message>
    <message>
        <source>%1 — такого индекса нет в справочнике</source>
        <translation>%1: no such code in the directory</translation>
    </message>
    <message>
        <source>%1 — %2, а населённый пункт не указан</source>
        <translation>%1 is the code of %2, but no town or village is given</translation>
    </message>
    <message>
        <source>%1 — %2, а не %3</source>
        <translation>%1 is the code of %2, not %3</translation>
    </message>
    <message>
        <source>«%1» — такой области нет</source>
        <translation>&apos;%1&apos;: no such region</translation>
    </message>
</context>
<context>
    <name>PostalCodeDialog</name>
    <message>
        <source>Справочник почтовых индексов Украины</source>
        <translation>Postal codes of Ukraine</translation>
    </message>
    <message>
        <source>Область</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Населенный пункт (на укр. языке)</source>
        <translation>Town or village (in Ukrainian)</translation>
    </message>
    <message>
        <source>Нажмите ENTER для поиска</source>
        <translation>Press Enter to search</translation>
    </message>
    <message>
        <source>Искать</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Найденные почтовые индексы</source>
        <translation>Postal codes found</translation>
    </message>
    <message>
        <source>Выберите область</source>
        <translation>Choose a region</translation>
    </message>
    <message>
        <source>не хватает нужных параметров для поиска!</source>
        <translation>Type a town or village to search for.</translation>
    </message>
    <message>
        <source>Без выбранной области поиск идёт по всем областям</source>
        <translation>With no region chosen, every region is searched</translation>
    </message>
    <message>
        <source>Вставлять и населённый пункт с областью</source>
        <translation>Insert the town and the region too</translation>
    </message>
    <message>
        <source>Вставить</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Вставить выбранный индекс в адрес получателя</source>
        <translation>Insert the chosen code into the recipient&apos;s address</translation>
    </message>
    <message>
        <source>Выберите индекс в списке найденных</source>
        <translation>Choose a code in the list of results</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source>Предварительный просмотр</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Конверт</source>
        <translation>Envelope</translation>
    </message>
    <message>
        <source>Предыдущий конверт</source>
        <translation>Previous envelope</translation>
    </message>
    <message>
        <source>Номер конверта</source>
        <translation>Envelope number</translation>
    </message>
    <message>
        <source>Следующий конверт</source>
        <translation>Next envelope</translation>
    </message>
    <message>
        <source>Пробная печать</source>
        <translation>Test print</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Перемещение адреса отправителя вверх/вниз</source>
        <translation>Move the sender&apos;s address up or down</translation>
    </message>
    <message>
        <source>Перемещение адреса отправителя влево/вправо</source>
        <translation>Move the sender&apos;s address left or right</translation>
    </message>
    <message>
        <source>Перемещение адреса получателя вверх/вниз</source>
        <translation>Move the recipient&apos;s address up or down</translation>
    </message>
    <message>
        <source>Перемещение адреса получателя влево/вправо</source>
        <translation>Move the recipient&apos;s address left or right</translation>
    </message>
    <message>
        <source>из </source>
        <translation>of </translation>
    </message>
    <message>
        <source>Ошибка ввода данных. повторите ввод</source>
        <translation>Input error. Please type again</translation>
    </message>
    <message>
        <source>Ошибка ввода. Повторита ввод</source>
        <translation>Input error. Please type again</translation>
    </message>
    <message>
        <source>Вы вышли за пределы списка. Повторите ввод.</source>
        <translation>That number is outside the list. Please type again.</translation>
    </message>
</context>
<context>
    <name>PrintActions</name>
    <message>
        <source>Печать конверта %1 из %2</source>
        <translation>Printing envelope %1 of %2</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Велтора</source>
        <translation>Veltora</translation>
    </message>
    <message>
        <source>Печать в файл PDF</source>
        <translation>Print to a PDF file</translation>
    </message>
    <message>
        <source>Велтора.pdf</source>
        <translation>Veltora.pdf</translation>
    </message>
    <message>
        <source>Документ PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>%1

Отправлено заданий: %2 из %3. Не напечатаны конверты %4: их печатают «Номера» с этим списком.</source>
        <translation>%1

Jobs sent: %2 of %3. Envelopes %4 were not printed: &quot;Numbers&quot; with this list prints them.</translation>
    </message>
</context>
<context>
    <name>PrintSetupDialog</name>
    <message>
        <source>Настройка печати</source>
        <translation>Print setup</translation>
    </message>
    <message>
        <source>Принтер</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Имя: </source>
        <translation>Name: </translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>Состояние: </source>
        <translation>Status: </translation>
    </message>
    <message>
        <source>Занят</source>
        <translation>Busy</translation>
    </message>
    <message>
        <source>Свободен</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Конверты</source>
        <translation>Envelopes</translation>
    </message>
    <message>
        <source>Все</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Номера (через запятую)</source>
        <translation>Numbers (comma-separated,</translation>
    </message>
    <message>
        <source>диапазон через тире)</source>
        <translation>ranges with a dash)</translation>
    </message>
    <message>
        <source>Копии</source>
        <translation>Copies</translation>
    </message>
    <message>
        <source>Число копий: </source>
        <translation>Number of copies: </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Способ загрузки конверта</source>
        <translation>Envelope feed</translation>
    </message>
    <message>
        <source>… и ещё %1</source>
        <translation>… and %1 more</translation>
    </message>
    <message>
        <source>Почтовый индекс не сходится с адресом на %1 из %2 конвертов:
%3

Печатать всё равно?</source>
        <translation>The postal code does not match the address on %1 of %2 envelopes:
%3

Print anyway?</translation>
    </message>
    <message>
        <source>Бумага: </source>
        <translation>Paper: </translation>
    </message>
    <message>
        <source>по</source>
        <translation>in jobs of</translation>
    </message>
    <message>
        <source>конвертов в задании</source>
        <translation>envelopes</translation>
    </message>
    <message>
        <source>Велтора</source>
        <translation>Veltora</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>PDF file</translation>
    </message>
</context>
<context>
    <name>PrintingService</name>
    <message>
        <source>%1 (бумага принтера)</source>
        <translation>%1 (the printer&apos;s paper)</translation>
    </message>
    <message>
        <source>конверт %1</source>
        <translation>envelope %1</translation>
    </message>
    <message>
        <source>%1 × %2 мм</source>
        <translation>%1 × %2 mm</translation>
    </message>
</context>
<context>
    <name>QtMessages</name>
    <message>
        <source>Велтора</source>
        <translation>Veltora</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>RowLimitWarning</name>
    <message>
        <source>Велтора</source>
        <translation>Veltora</translation>
    </message>
    <message>
        <source>Внимание!</source>
        <translation>Please note</translation>
    </message>
    <message>
        <source>Во избежание ошибок и исключительных ситуаций </source>
        <translation>To avoid errors when rows from another</translation>
    </message>
    <message>
        <source>при слиянии с внешним источником выделяйте не более</source>
        <translation>document are pasted, copy no more than</translation>
    </message>
    <message>
        <source>780 строк!</source>
        <translation>780 rows at a time.</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Больше не выводить  это окно</source>
        <translation>Do not show this again</translation>
    </message>
</context>
<context>
    <name>SenderDialog</name>
    <message>
        <source>Информация о пользователе</source>
        <translation>Sender&apos;s address</translation>
    </message>
    <message>
        <source>Адрес отправителя</source>
        <translation>Sender&apos;s address</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>SettingsFiles</name>
    <message>
        <source>Файл «%1» (%2): %3 — такого значения не бывает (допустимо: %4). Задайте настройку заново.</source>
        <translation>File &quot;%1&quot; (%2): %3 is not a possible value (allowed: %4). Set this setting again.</translation>
    </message>
    <message>
        <source>размер шрифта %1</source>
        <translation>font size %1</translation>
    </message>
    <message>
        <source>от %1 до %2</source>
        <translation>from %1 to %2</translation>
    </message>
    <message>
        <source>вид конверта %1</source>
        <translation>envelope shape %1</translation>
    </message>
    <message>
        <source>1, 2 или 3</source>
        <translation>1, 2 or 3</translation>
    </message>
    <message>
        <source>размер конверта %1 x %2 мм</source>
        <translation>envelope size %1 x %2 mm</translation>
    </message>
    <message>
        <source>от %1 до %2 мм</source>
        <translation>from %1 to %2 mm</translation>
    </message>
    <message>
        <source>способ загрузки %1</source>
        <translation>feed method %1</translation>
    </message>
    <message>
        <source>1 — по левому краю, 4 — по центру, 0 — не выбран</source>
        <translation>1 for the left edge, 4 for the centre, 0 for none chosen</translation>
    </message>
</context>
<context>
    <name>SizeDialog</name>
    <message>
        <source>Настройка размера конверта</source>
        <translation>Envelope size</translation>
    </message>
    <message>
        <source>Выберите размер конверта</source>
        <translation>Choose an envelope size</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>«%1»: нет листа «%2»; листы книги: %3</source>
        <translation>&quot;%1&quot;: no sheet &quot;%2&quot;; the sheets are: %3</translation>
    </message>
    <message>
        <source>архив повреждён (%1)</source>
        <translation>the archive is damaged (%1)</translation>
    </message>
    <message>
        <source>книга защищена паролем</source>
        <translation>the workbook is protected by a password</translation>
    </message>
    <message>
        <source>часть «%1» разворачивается в %2 байт из %3: это не книга, а zip-бомба или повреждённый архив</source>
        <translation>the part &quot;%1&quot; inflates to %2 bytes from %3: not a workbook but a zip bomb or a damaged archive</translation>
    </message>
    <message>
        <source>часть «%1» не читается (%2)</source>
        <translation>the part &quot;%1&quot; cannot be read (%2)</translation>
    </message>
    <message>
        <source>часть «%1» длиннее, чем объявлено в архиве</source>
        <translation>the part &quot;%1&quot; is longer than the archive says</translation>
    </message>
    <message>
        <source>часть обрывается</source>
        <translation>the part is cut short</translation>
    </message>
    <message>
        <source>«%1»: %2</source>
        <translation>&quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>это книга старого формата Excel (.xls) или книга, защищённая паролем; сохраните её без пароля как .xlsx или .ods</source>
        <translation>an old Excel workbook (.xls) or a workbook protected by a password; save it without a password as .xlsx or .ods</translation>
    </message>
    <message>
        <source>файл назван книгой .%1, но это не книга (не zip-архив)</source>
        <translation>the file is named as a .%1 workbook but is none (not a zip archive)</translation>
    </message>
    <message>
        <source>файл назван .ods, но это книга другого формата</source>
        <translation>the file is named .ods but is a workbook of another format</translation>
    </message>
    <message>
        <source>файл назван .xlsx, но это книга другого формата</source>
        <translation>the file is named .xlsx but is a workbook of another format</translation>
    </message>
    <message>
        <source>в книге нет ни одного листа</source>
        <translation>the workbook has no sheet</translation>
    </message>
    <message>
        <source>content.xml: часть обрывается</source>
        <translation>content.xml: the part is cut short</translation>
    </message>
    <message>
        <source>content.xml: %1</source>
        <translation>content.xml: %1</translation>
    </message>
    <message>
        <source>нет части content.xml</source>
        <translation>no part content.xml</translation>
    </message>
    <message>
        <source>xl/workbook.xml: %1</source>
        <translation>xl/workbook.xml: %1</translation>
    </message>
    <message>
        <source>zip-архив, но не книга OpenDocument (.ods) и не книга Excel (.xlsx)</source>
        <translation>a zip archive, but neither an OpenDocument (.ods) nor an Excel (.xlsx) workbook</translation>
    </message>
    <message>
        <source>нет листа номер %1</source>
        <translation>no sheet number %1</translation>
    </message>
    <message>
        <source>лист «%1»: больше %2 ячеек</source>
        <translation>sheet &quot;%1&quot;: more than %2 cells</translation>
    </message>
    <message>
        <source>лист «%1» не найден</source>
        <translation>the sheet &quot;%1&quot; was not found</translation>
    </message>
    <message>
        <source>xl/sharedStrings.xml: %1</source>
        <translation>xl/sharedStrings.xml: %1</translation>
    </message>
    <message>
        <source>xl/styles.xml: %1</source>
        <translation>xl/styles.xml: %1</translation>
    </message>
    <message>
        <source>лист «%1», строка %2: нет общей строки %3</source>
        <translation>sheet &quot;%1&quot;, row %2: no shared string %3</translation>
    </message>
    <message>
        <source>нет части листа «%1»</source>
        <translation>no part for the sheet &quot;%1&quot;</translation>
    </message>
    <message>
        <source>лист «%1»: %2</source>
        <translation>sheet &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Велтора: адресует и печатает почтовые конверты, по одному или групповой рассылкой.</source>
        <translation>Veltora: addresses and prints postal envelopes, one at a time or as a group mailing.</translation>
    </message>
    <message>
        <source>Язык интерфейса: ru (русский), uk (украинский) или en (английский).</source>
        <translation>The language of the interface: ru (Russian), uk (Ukrainian) or en (English).</translation>
    </message>
    <message>
        <source>язык</source>
        <translation>language</translation>
    </message>
</context>
<context>
    <name>numberlist</name>
    <message>
        <source>Нет конверта с номером %1: список рассылки пуст</source>
        <translation>There is no envelope number %1: the mailing list is empty</translation>
    </message>
    <message>
        <source>Нет конверта с номером %1: в списке рассылки конверты с 1 по %2</source>
        <translation>There is no envelope number %1: the mailing list has envelopes 1 to %2</translation>
    </message>
    <message>
        <source>Ошибка!!!</source>
        <translation>Error!</translation>
    </message>
</context>
<context>
    <name>vcard</name>
    <message>
        <source>строка %1: это не файл vCard (нет BEGIN:VCARD)</source>
        <translation>line %1: not a vCard file (no BEGIN:VCARD)</translation>
    </message>
    <message>
        <source>строка %1: текст вне контакта (после END:VCARD нет BEGIN:VCARD)</source>
        <translation>line %1: text outside a contact (no BEGIN:VCARD after END:VCARD)</translation>
    </message>
    <message>
        <source>контакт, начатый в строке %1, не закончен: нет END:VCARD</source>
        <translation>the contact begun on line %1 is not finished: no END:VCARD</translation>
    </message>
    <message>
        <source>в файле нет ни одного контакта (BEGIN:VCARD … END:VCARD)</source>
        <translation>the file holds no contact (BEGIN:VCARD … END:VCARD)</translation>
    </message>
</context>
<context>
    <name>veltora-batch</name>
    <message numerus="yes">
        <source>%n конвертов</source>
        <translation>
            <numerusform>%n envelope</numerusform>
            <numerusform>%n envelopes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n страниц</source>
        <translation>
            <numerusform>%n page</numerusform>
            <numerusform>%n pages</numerusform>
        </translation>
    </message>
    <message>
        <source>строка %1, столбец %2: %3</source>
        <translation>row %1, column %2: %3</translation>
    </message>
    <message>
        <source>файл не в кодировке UTF-8</source>
        <translation>the file is not valid UTF-8</translation>
    </message>
    <message>
        <source>--columns: поле %1: «%2» — не номер столбца и не «-»</source>
        <translation>--columns: field %1: &apos;%2&apos; is neither a column number nor &apos;-&apos;</translation>
    </message>
    <message>
        <source>--table «%1», %2</source>
        <translation>--table &apos;%1&apos;, %2</translation>
    </message>
    <message>
        <source>--table «%1»: %2</source>
        <translation>--table &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>--columns: у первого поля (фамилия, ключ записи) нет столбца</source>
        <translation>--columns: the first field (surname, the record key) needs a column</translation>
    </message>
    <message>
        <source>список рассылки пуст</source>
        <translation>the mailing list is empty</translation>
    </message>
    <message>
        <source>--columns: поле %1 — столбца %2 (счёт с 0) нет ни в одной строке: в таблице «%3» столбцов: %4</source>
        <translation>--columns: field %1: no row has column %2 (counted from 0): the table &apos;%3&apos; has %4 columns</translation>
    </message>
    <message>
        <source>--table «%1», строка %2, столбец %3: нет фамилии (ключа записи)</source>
        <translation>--table &apos;%1&apos;, row %2, column %3: the surname (record key) is empty</translation>
    </message>
    <message>
        <source>--table «%1», строка %2, столбец 1: строка короче пяти знаков</source>
        <translation>--table &apos;%1&apos;, row %2, column 1: the row is shorter than five characters</translation>
    </message>
    <message>
        <source>кавычка не закрыта</source>
        <translation>unterminated quoted cell</translation>
    </message>
    <message>
        <source>%1 «%2»: %3</source>
        <translation>%1 &apos;%2&apos;: %3</translation>
    </message>
    <message>
        <source>рабочая папка, «%1»: %2</source>
        <translation>working directory, &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>--names «%1», строка %2: «%3» нет в адресной книге</source>
        <translation>--names &apos;%1&apos;, line %2: &apos;%3&apos; is not in the address book</translation>
    </message>
    <message>
        <source>--workdir «%1»: это не папка</source>
        <translation>--workdir &apos;%1&apos;: not a folder</translation>
    </message>
    <message>
        <source>--workdir «%1»: папку не удалось создать</source>
        <translation>--workdir &apos;%1&apos;: the folder could not be made</translation>
    </message>
    <message>
        <source>в системе нет ни одного принтера; PDF-файл пишет -o ФАЙЛ.pdf</source>
        <translation>the system has no printer; -o FILE.pdf writes a PDF file</translation>
    </message>
    <message>
        <source>есть: %1</source>
        <translation>there are: %1</translation>
    </message>
    <message>
        <source>veltora-batch: --table «%1»: первая строка похожа на заголовки столбцов и не печатается (--no-header печатает её)</source>
        <translation>veltora-batch: --table &apos;%1&apos;: the first row looks like column titles and is not printed (--no-header prints it)</translation>
    </message>
    <message>
        <source>слишком много строк: %1</source>
        <translation>too many rows: %1</translation>
    </message>
    <message>
        <source>veltora-batch: рассылка не напечатана: ошибки в почтовых индексах (--strict)</source>
        <translation>veltora-batch: nothing printed: the mailing has postal code problems (--strict)</translation>
    </message>
    <message>
        <source>-o -: стандартный вывод — терминал, PDF направьте в файл или программу</source>
        <translation>-o -: the standard output is a terminal: send the PDF to a file or a program</translation>
    </message>
    <message>
        <source>-o «%1»: папки нет</source>
        <translation>-o &apos;%1&apos;: the folder does not exist</translation>
    </message>
    <message>
        <source>--printer «%1»: нет такого принтера; %2</source>
        <translation>--printer &apos;%1&apos;: no such printer; %2</translation>
    </message>
    <message>
        <source>Конверт %1 из %2</source>
        <translation>Envelope %1 of %2</translation>
    </message>
    <message>
        <source>задание печати не выполнено</source>
        <translation>the print job did not complete</translation>
    </message>
    <message>
        <source>задание %1 (CUPS %2): конверты %3 → %4</source>
        <translation>job %1 (CUPS %2): envelopes %3 → %4</translation>
    </message>
    <message>
        <source>задание %1: конверты %3 → %4</source>
        <translation>job %1: envelopes %3 → %4</translation>
    </message>
    <message>
        <source>veltora-batch: ошибка печати: </source>
        <translation>veltora-batch: printing failed: </translation>
    </message>
    <message>
        <source>veltora-batch: отправлено заданий: %1 из %2; не напечатанные конверты печатает --select %3</source>
        <translation>veltora-batch: jobs sent: %1 of %2; --select %3 prints the envelopes not printed</translation>
    </message>
    <message>
        <source>стандартный вывод</source>
        <translation>standard output</translation>
    </message>
    <message>
        <source>%1: «%2» — нужно целое число от %3 до %4</source>
        <translation>%1: &apos;%2&apos;: a whole number from %3 to %4 expected</translation>
    </message>
    <message>
        <source>%1: «%2» — нужно X,Y</source>
        <translation>%1: &apos;%2&apos;: X,Y expected</translation>
    </message>
    <message>
        <source>все адресаты адресной книги по порядку файла</source>
        <translation>every addressee of the address book, in file order</translation>
    </message>
    <message>
        <source>имена из адресной книги, по одному в строке</source>
        <translation>names of the address book, one a line</translation>
    </message>
    <message>
        <source>ФАЙЛ</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>столбцы (с 0) для девяти строк записи или «-»:
Фамилия, Имя, Отчество, Улица, Населенный пункт, Район,
Область, Страна, Почтовый индекс; например 0,1,-,2,3,-,-,-,4</source>
        <translation>columns (from 0) for the nine lines of a record, or &apos;-&apos;:
surname, first name, patronymic, street, locality, district,
region, country, postal code; e.g. 0,1,-,2,3,-,-,-,4</translation>
    </message>
    <message>
        <source>КАРТА</source>
        <translation>MAP</translation>
    </message>
    <message>
        <source>utf-8 или cp1251 (без него определяется сама)</source>
        <translation>utf-8 or cp1251 (detected when not given)</translation>
    </message>
    <message>
        <source>КОДИРОВКА</source>
        <translation>ENCODING</translation>
    </message>
    <message>
        <source>первая строка таблицы — заголовки столбцов, не печатается</source>
        <translation>the first row of the table holds column titles, not printed</translation>
    </message>
    <message>
        <source>первая строка — получатель (без этих двух параметров строка
заголовков распознаётся сама); пустые строки пропускаются</source>
        <translation>the first row is a recipient (without either, a row of titles
is detected and reported); blank rows are skipped</translation>
    </message>
    <message>
        <source>номера конвертов, как в окне «Настройка печати», например 2-4,7</source>
        <translation>envelope numbers, as in the print setup window, e.g. 2-4,7</translation>
    </message>
    <message>
        <source>СПИСОК</source>
        <translation>LIST</translation>
    </message>
    <message>
        <source>число копий, от 1 до 50</source>
        <translation>number of copies, 1 to 50</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>задания по N конвертов (последнее короче), чтобы класс
принтеров CUPS распределил их; с -o — файл на задание
по шаблону, например -o рассылка-%03d.pdf</source>
        <translation>jobs of N envelopes (the last one shorter), so that a CUPS
printer class spreads them; with -o, a file per job from a
pattern, e.g. -o mailing-%03d.pdf</translation>
    </message>
    <message>
        <source>сдвиг адреса отправителя, шагами по 2 мм
(X: от -244 до 100, Y: от -100 до 244)</source>
        <translation>sender block shift in 2 mm steps
(X: -244 to 100, Y: -100 to 244)</translation>
    </message>
    <message>
        <source>X,Y</source>
        <translation>X,Y</translation>
    </message>
    <message>
        <source>сдвиг адреса получателя, так же</source>
        <translation>recipient block shift, likewise</translation>
    </message>
    <message>
        <source>принтер системы: очередь или класс CUPS</source>
        <translation>a printer of the system: a CUPS queue or class</translation>
    </message>
    <message>
        <source>ИМЯ</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>печать в PDF-файл («-» — на стандартный вывод)</source>
        <translation>print into a PDF file (&apos;-&apos;: the standard output)</translation>
    </message>
    <message>
        <source>ФАЙЛ.pdf</source>
        <translation>FILE.pdf</translation>
    </message>
    <message>
        <source>envelope (по умолчанию): страница — сам конверт; у принтера —
его бумага размера конверта, если она есть; a4: лист A4;
printer: бумага принтера как есть (для -o — A4)</source>
        <translation>envelope (default): the page is the envelope itself; on a printer,
its media of the envelope&apos;s size when it has one; a4: an A4 sheet;
printer: the printer&apos;s paper as it is (A4 for -o)</translation>
    </message>
    <message>
        <source>СТРАНИЦА</source>
        <translation>PAGE</translation>
    </message>
    <message>
        <source>проверить почтовые индексы по справочнику и ничего не печатать:
строка или имя, индекс, населённый пункт, ошибка — через табуляцию</source>
        <translation>check the postal codes against the directory, print nothing:
row or name, code, locality, problem, tab-separated</translation>
    </message>
    <message>
        <source>не печатать рассылку с ошибками в индексах (код 3)</source>
        <translation>do not print a mailing with postal code problems (exit 3)</translation>
    </message>
    <message>
        <source>рабочая папка; новая или пустая заполняется, как рабочая
папка по умолчанию</source>
        <translation>working directory; a new or empty one is prepared as the
default working directory is</translation>
    </message>
    <message>
        <source>ПАПКА</source>
        <translation>DIR</translation>
    </message>
    <message>
        <source>язык сообщений: ru, uk или en (по умолчанию — выбранный
в окне, иначе язык системы, иначе английский)</source>
        <translation>the language of the messages: ru, uk or en (default: the one
chosen in the window, else the system&apos;s, else English)</translation>
    </message>
    <message>
        <source>ЯЗЫК</source>
        <translation>LANG</translation>
    </message>
    <message>
        <source>эта справка</source>
        <translation>this help</translation>
    </message>
    <message>
        <source>версия программы</source>
        <translation>the program&apos;s version</translation>
    </message>
    <message>
        <source>неизвестный параметр «%1» (см. --help)</source>
        <translation>unknown argument &apos;%1&apos; (see --help)</translation>
    </message>
    <message>
        <source>%1: не хватает значения</source>
        <translation>%1: a value is missing</translation>
    </message>
    <message>
        <source>%1: источник получателей уже задан (--book, --names, --table — только один)</source>
        <translation>%1: the recipients&apos; source is already given (--book, --names, --table: only one)</translation>
    </message>
    <message>
        <source>--encoding: «%1» — нужно utf-8 или cp1251</source>
        <translation>--encoding: &apos;%1&apos;: utf-8 or cp1251 expected</translation>
    </message>
    <message>
        <source>--page: «%1» — нужно envelope, a4 или printer</source>
        <translation>--page: &apos;%1&apos;: envelope, a4 or printer expected</translation>
    </message>
    <message>
        <source>--header и --no-header — только одно</source>
        <translation>--header and --no-header exclude each other</translation>
    </message>
    <message>
        <source>не задан источник получателей: --book, --names ФАЙЛ или --table ФАЙЛ</source>
        <translation>no recipients: give --book, --names FILE or --table FILE</translation>
    </message>
    <message>
        <source>--table требует --columns</source>
        <translation>--table needs --columns</translation>
    </message>
    <message>
        <source>--columns, --encoding, --header и --no-header — только с --table</source>
        <translation>--columns, --encoding, --header and --no-header go with --table</translation>
    </message>
    <message>
        <source>--printer «%1» пишет файл: нужен -o ФАЙЛ.pdf</source>
        <translation>--printer &apos;%1&apos; writes a file: give -o FILE.pdf</translation>
    </message>
    <message>
        <source>нужен ровно один из --printer ИМЯ или -o ФАЙЛ.pdf</source>
        <translation>give exactly one of --printer NAME or -o FILE.pdf</translation>
    </message>
    <message>
        <source>--split пишет файл на задание: -o - не подходит, нужен шаблон имени</source>
        <translation>--split writes a file per job: -o - will not do, give a name pattern</translation>
    </message>
    <message>
        <source>--split: в имени «%1» нужен номер задания, например рассылка-%03d.pdf (ровно один %d, %3d или %03d)</source>
        <translation>--split: the name &apos;%1&apos; needs the job&apos;s number, e.g. mailing-%03d.pdf (exactly one %d, %3d or %03d)</translation>
    </message>
    <message>
        <source>--select «%1»: номера через запятую, диапазоны через тире, без пробелов</source>
        <translation>--select &apos;%1&apos;: numbers separated by commas, ranges by dashes, no blanks</translation>
    </message>
    <message>
        <source>--select «%1»: номер слишком велик</source>
        <translation>--select &apos;%1&apos;: a number is too large</translation>
    </message>
    <message>
        <source>--select «%1»: выбор пуст, не выбрано ни одного конверта</source>
        <translation>--select &apos;%1&apos;: the selection is empty: no envelope is chosen</translation>
    </message>
    <message>
        <source>Получатели (ровно один источник):</source>
        <translation>Recipients (exactly one source):</translation>
    </message>
    <message>
        <source>Печать:</source>
        <translation>Printing:</translation>
    </message>
    <message>
        <source>
Размер конверта, шрифты, способ загрузки и адрес отправителя (User.txt) берутся из
рабочей папки; справочник почтовых индексов, которого в ней нет, — из установленного.

Коды завершения: 0 — напечатано; 1 — печать не удалась; 2 — неверные параметры
или данные; 3 — ошибки в почтовых индексах (--check, --strict).

Подробно: man veltora-batch
</source>
        <translation>
The envelope size, fonts, feed method and sender (User.txt) come from the working
directory; the postal code directory, when it has none, from the installed one.

Exit status: 0 printed; 1 printing failed; 2 bad arguments or input;
3 postal code problems (--check, --strict).

More: man veltora-batch
</translation>
    </message>
    <message>
        <source>veltora-batch: почтовые индексы: проверено адресов %1, с ошибкой %2</source>
        <translation>veltora-batch: postal codes: %1 addresses checked, %2 with a problem</translation>
    </message>
    <message>
        <source>veltora-batch: %1 — одна фамилия; каждая строка печатается со своим адресом, а в окне групповой рассылки их конверты получат один адрес, из строки %2</source>
        <translation>veltora-batch: %1: one surname; each row prints with its own address here, while the group mailing window gives their envelopes one address, that of row %2</translation>
    </message>
    <message numerus="yes">
        <source>%n заданий</source>
        <translation>
            <numerusform>%n job</numerusform>
            <numerusform>%n jobs</numerusform>
        </translation>
    </message>
    <message>
        <source>veltora-batch: --vcard «%1»: контактов без почтового адреса (не печатаются): %2</source>
        <translation>veltora-batch: --vcard &apos;%1&apos;: contacts without a postal address (not printed): %2</translation>
    </message>
    <message>
        <source>таблица: столбцы через табуляцию, «;» или «,»; книга .ods или .xlsx</source>
        <translation>a table: columns separated by tabs, &apos;;&apos; or &apos;,&apos;; an .ods or .xlsx workbook</translation>
    </message>
    <message>
        <source>лист книги .ods или .xlsx (без него — первый)</source>
        <translation>the sheet of an .ods or .xlsx workbook (without it, the first)</translation>
    </message>
    <message>
        <source>ЛИСТ</source>
        <translation>SHEET</translation>
    </message>
    <message>
        <source>контакты vCard (.vcf): конверт каждому контакту с почтовым адресом</source>
        <translation>vCard contacts (.vcf): an envelope for every contact with a postal address</translation>
    </message>
    <message>
        <source>--sheet — только с --table</source>
        <translation>--sheet goes with --table</translation>
    </message>
    <message>
        <source>Использование: veltora-batch (--book | --names ФАЙЛ | --table ФАЙЛ --columns КАРТА | --vcard ФАЙЛ)
                             [ПАРАМЕТРЫ] (-o ФАЙЛ.pdf | --printer ИМЯ)
Печатает групповую рассылку Велторы без окон, по конверту на страницу.
</source>
        <translation>Usage: veltora-batch (--book | --names FILE | --table FILE --columns MAP | --vcard FILE)
                     [OPTIONS] (-o FILE.pdf | --printer NAME)
Prints a Veltora group mailing without windows, one envelope per page.
</translation>
    </message>
</context>
</TS>
