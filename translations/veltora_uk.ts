<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="ru">
<context>
    <name>AboutDialog</name>
    <message>
        <source>О программе</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>&lt;b&gt;Велтора&lt;/b&gt;, версия %1</source>
        <translation>&lt;b&gt;Велтора&lt;/b&gt;, версія %1</translation>
    </message>
    <message>
        <source>Печать адресов на конвертах</source>
        <translation>Друк адрес на конвертах</translation>
    </message>
    <message>
        <source>Почтовые индексы: Укрпошта,
довідник поштових індексів (2025)</source>
        <translation>Поштові індекси: Укрпошта,
довідник поштових індексів (2025)</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Закрити</translation>
    </message>
</context>
<context>
    <name>AddAddresseeDialog</name>
    <message>
        <source>Добавление нового адресата</source>
        <translation>Додавання нового адресата</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Додати</translation>
    </message>
</context>
<context>
    <name>AddressBookDialog</name>
    <message>
        <source>Адресная книга</source>
        <translation>Адресна книга</translation>
    </message>
    <message>
        <source>Список адресатов</source>
        <translation>Список адресатів</translation>
    </message>
    <message>
        <source>Данные об адресате</source>
        <translation>Дані про адресата</translation>
    </message>
    <message>
        <source>Добавить адресата</source>
        <translation>Додати адресата</translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation>Змінити</translation>
    </message>
    <message>
        <source>Удаление адресата</source>
        <translation>Видалити адресатів</translation>
    </message>
    <message>
        <source>Информация о пользователе</source>
        <translation>Адреса відправника</translation>
    </message>
    <message>
        <source>Адресат не выбран!</source>
        <translation>Адресата не вибрано!</translation>
    </message>
    <message>
        <source>Запись адресата «%1» была изменена или удалена после открытия окна редактирования. Изменения не сохранены.</source>
        <translation>Запис адресата «%1» було змінено або видалено після відкриття вікна редагування. Зміни не збережено.</translation>
    </message>
</context>
<context>
    <name>AddresseeDialog</name>
    <message>
        <source>Ф.И.О или назване организации</source>
        <translation>П.І.Б. або назва організації</translation>
    </message>
    <message>
        <source>Улица, дом, квартира</source>
        <translation>Вулиця, будинок, квартира</translation>
    </message>
    <message>
        <source>Населенный пункт</source>
        <translation>Населений пункт</translation>
    </message>
    <message>
        <source>Район</source>
        <translation>Район</translation>
    </message>
    <message>
        <source>Область</source>
        <translation>Область</translation>
    </message>
    <message>
        <source>Страна</source>
        <translation>Країна</translation>
    </message>
    <message>
        <source>Почтовый индекс</source>
        <translation>Поштовий індекс</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>ArrowPairWidget</name>
    <message>
        <source>Вверх</source>
        <translation>Вгору</translation>
    </message>
    <message>
        <source>Вниз</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Влево</source>
        <translation>Ліворуч</translation>
    </message>
    <message>
        <source>Вправо</source>
        <translation>Праворуч</translation>
    </message>
</context>
<context>
    <name>BatchPrint</name>
    <message>
        <source>Не установлены параметры конверта</source>
        <translation>Не встановлено параметри конверта</translation>
    </message>
</context>
<context>
    <name>Codepage</name>
    <message>
        <source>Символ «%1» (U+%2) нельзя сохранить в кодировке Windows-1251. Файл «%3» не изменён.</source>
        <translation>Символ «%1» (U+%2) не можна зберегти в кодуванні Windows-1251. Файл «%3» не змінено.</translation>
    </message>
</context>
<context>
    <name>DeleteAddresseeDialog</name>
    <message>
        <source>Удаление адресата</source>
        <translation>Видалення адресата</translation>
    </message>
    <message>
        <source>Выберите записи, подлежащие удалению</source>
        <translation>Виберіть записи, які треба видалити</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>DocumentBrowser</name>
    <message>
        <source>Открытие документа</source>
        <translation>Відкрити документ</translation>
    </message>
    <message>
        <source>Содержимое папки</source>
        <translation>Вміст теки</translation>
    </message>
    <message>
        <source>Папка</source>
        <translation>Тека</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Рабочий стол</source>
        <translation>Робочий стіл</translation>
    </message>
    <message>
        <source>Домашняя папка</source>
        <translation>Домашня тека</translation>
    </message>
</context>
<context>
    <name>EditAddresseeDialog</name>
    <message>
        <source>Редактирование адресата</source>
        <translation>Редагування адресата</translation>
    </message>
    <message>
        <source>Cохранить</source>
        <translation>Зберегти</translation>
    </message>
</context>
<context>
    <name>EnvelopeDrawing</name>
    <message>
        <source>Марка</source>
        <translation>Марка</translation>
    </message>
</context>
<context>
    <name>EnvelopeSizes</name>
    <message>
        <source>%1 X %2мм</source>
        <translation>%1 × %2 мм</translation>
    </message>
    <message>
        <source>%1 X %2 мм</source>
        <translation>%1 × %2 мм</translation>
    </message>
</context>
<context>
    <name>FeedMethodDialog</name>
    <message>
        <source>Способ загрузки конверта</source>
        <translation>Спосіб подачі конверта</translation>
    </message>
    <message>
        <source>Выберите способ загрузки конвертов в принтер</source>
        <translation>Виберіть спосіб подачі конвертів у принтер</translation>
    </message>
    <message>
        <source>По левому краю принтера</source>
        <translation>По лівому краю принтера</translation>
    </message>
    <message>
        <source>По центру принтера</source>
        <translation>По центру принтера</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>FontSetupDialog</name>
    <message>
        <source>Настройка шрифтов</source>
        <translation>Налаштування шрифтів</translation>
    </message>
    <message>
        <source>Шрифт адреса отправителя</source>
        <translation>Шрифт адреси відправника</translation>
    </message>
    <message>
        <source>Шрифт адреса получателя</source>
        <translation>Шрифт адреси одержувача</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Список шрифтов:</source>
        <translation>Шрифти:</translation>
    </message>
    <message>
        <source>Полужирный</source>
        <translation>Напівжирний</translation>
    </message>
    <message>
        <source>Курсив</source>
        <translation>Курсив</translation>
    </message>
    <message>
        <source>Размер</source>
        <translation>Розмір</translation>
    </message>
    <message>
        <source>АаБбВвГгДд</source>
        <translation>АаБбВвГгҐґ</translation>
    </message>
</context>
<context>
    <name>GroupMailingWindow</name>
    <message>
        <source>Групповая рассылка</source>
        <translation>Групова розсилка</translation>
    </message>
    <message>
        <source>Выберите источник адресов</source>
        <translation>Виберіть джерело адрес</translation>
    </message>
    <message>
        <source>Адреса из адр. книги</source>
        <translation>Адреси з адресної книги</translation>
    </message>
    <message>
        <source>Адреса рассылки</source>
        <translation>Адреси розсилки</translation>
    </message>
    <message>
        <source>Данные об адресате</source>
        <translation>Дані про адресата</translation>
    </message>
    <message>
        <source>Скопируйте нужный массив из</source>
        <translation>Скопіюйте потрібні рядки з</translation>
    </message>
    <message>
        <source>документа, содержащего адреса </source>
        <translation>документа, що містить адреси </translation>
    </message>
    <message>
        <source>(таблица MS Excel, БД MS Access,</source>
        <translation>(таблиця MS Excel, БД MS Access,</translation>
    </message>
    <message>
        <source>таблица MS Word и т.д.)</source>
        <translation>таблиця MS Word тощо)</translation>
    </message>
    <message>
        <source>и нажмите &quot;Создать&quot;.</source>
        <translation>і натисніть &quot;Створити&quot;.</translation>
    </message>
    <message>
        <source>Другой источник</source>
        <translation>Інше джерело</translation>
    </message>
    <message>
        <source>Адресная книга</source>
        <translation>Адресна книга</translation>
    </message>
    <message>
        <source>Добавить адрес в список рассылки</source>
        <translation>Додати адресу до списку розсилки</translation>
    </message>
    <message>
        <source>Добавить все адреса в список рассылки</source>
        <translation>Додати всі адреси до списку розсилки</translation>
    </message>
    <message>
        <source>Открыть документ с адресами</source>
        <translation>Відкрити документ з адресами</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Создать</source>
        <translation>Створити</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Перегляд</translation>
    </message>
    <message>
        <source>Предварительный просмотр перед печатью</source>
        <translation>Попередній перегляд перед друком</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Выберите нужный файл в окне броузера</source>
        <translation>Виберіть потрібний файл у вікні браузера</translation>
    </message>
    <message>
        <source>Индексы не проверены</source>
        <translation>Індекси не перевірено</translation>
    </message>
    <message>
        <source>Справочник индексов не прочитан: %1</source>
        <translation>Довідник індексів не прочитано: %1</translation>
    </message>
    <message>
        <source>Индексы в порядке</source>
        <translation>Індекси в порядку</translation>
    </message>
    <message>
        <source>Ошибки в индексах: %1 из %2</source>
        <translation>Помилки в індексах: %1 з %2</translation>
    </message>
    <message>
        <source>Наведите указатель на отмеченный адрес, чтобы увидеть ошибку</source>
        <translation>Наведіть вказівник на позначену адресу, щоб побачити помилку</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Справка</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Назад</source>
        <translation>Назад</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>После --lang нужен код языка: %1.</source>
        <translation>Після --lang потрібен код мови: %1.</translation>
    </message>
    <message>
        <source>Неизвестный язык «%1» в --lang: допустимо %2.</source>
        <translation>Невідома мова «%1» у --lang: допустимо %2.</translation>
    </message>
</context>
<context>
    <name>LineOrderDialog</name>
    <message>
        <source>Фамилия</source>
        <translation>Прізвище</translation>
    </message>
    <message>
        <source>Имя</source>
        <translation>Ім’я</translation>
    </message>
    <message>
        <source>Отчество</source>
        <translation>По батькові</translation>
    </message>
    <message>
        <source>Улица, дом, квартира</source>
        <translation>Вулиця, будинок, квартира</translation>
    </message>
    <message>
        <source>Населенный пункт</source>
        <translation>Населений пункт</translation>
    </message>
    <message>
        <source>Район (если нужно)</source>
        <translation>Район (за потреби)</translation>
    </message>
    <message>
        <source>Область (если нужно)</source>
        <translation>Область (за потреби)</translation>
    </message>
    <message>
        <source>Страна (если нужно)</source>
        <translation>Країна (за потреби)</translation>
    </message>
    <message>
        <source>Почтовый индекс</source>
        <translation>Поштовий індекс</translation>
    </message>
    <message>
        <source>Установка порядка строк</source>
        <translation>Порядок рядків адреси</translation>
    </message>
    <message>
        <source>Исходный порядок строк:</source>
        <translation>Стовпці вставлених рядків:</translation>
    </message>
    <message>
        <source>Выберите слово из списка и щелкните мышкой по полю, где оно должно стоять</source>
        <translation>Виберіть слово зі списку й клацніть поле, де воно має стояти</translation>
    </message>
    <message>
        <source>Количество строк: </source>
        <translation>Кількість стовпців: </translation>
    </message>
    <message>
        <source>Щелчок или пробел: поставить сюда слово, выбранное в списке; Delete: очистить поле</source>
        <translation>Клацання або пробіл: поставити сюди слово, вибране у списку; Delete: очистити поле</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Неверный формат данных</source>
        <translation>Неправильний формат даних</translation>
    </message>
    <message>
        <source>Кол-во строк:  %1</source>
        <translation>Стовпців:  %1</translation>
    </message>
    <message>
        <source>Не хватает данных!</source>
        <translation>Бракує даних!</translation>
    </message>
    <message>
        <source>Создать список рассылки?</source>
        <translation>Створити список розсилки?</translation>
    </message>
    <message>
        <source>Велтора</source>
        <translation>Велтора</translation>
    </message>
</context>
<context>
    <name>MailingChecks</name>
    <message>
        <source>строки %1 и %2: «%3»</source>
        <translation>рядки %1 і %2: «%3»</translation>
    </message>
    <message>
        <source>и ещё %1 фамилий</source>
        <translation>і ще %1 прізвищ</translation>
    </message>
    <message>
        <source>Одна фамилия стоит в нескольких строках:
%1
Конверты этих строк получат один адрес — из последней строки с этой фамилией.</source>
        <translation>Одне прізвище стоїть у кількох рядках:
%1
Конверти цих рядків отримають одну адресу — з останнього рядка з цим прізвищем.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Велтора</source>
        <translation>Велтора</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Написать письмо</source>
        <translation>Написати лист</translation>
    </message>
    <message>
        <source>&amp;Печать</source>
        <translation>&amp;Друк</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>&amp;Правка</source>
        <translation>&amp;Редагування</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Копіювати</translation>
    </message>
    <message>
        <source>Вставить</source>
        <translation>Вставити</translation>
    </message>
    <message>
        <source>&amp;Дополнительно</source>
        <translation>Д&amp;одатково</translation>
    </message>
    <message>
        <source>Размер конверта</source>
        <translation>Розмір конверта</translation>
    </message>
    <message>
        <source>Адресная книга</source>
        <translation>Адресна книга</translation>
    </message>
    <message>
        <source>&amp;Справка</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>&amp;Язык</source>
        <translation>&amp;Мова</translation>
    </message>
    <message>
        <source>Не удалось запомнить выбор языка: настройки пользователя не записываются.</source>
        <translation>Не вдалося запам’ятати вибір мови: налаштування користувача не записуються.</translation>
    </message>
    <message>
        <source>Выбранный язык интерфейса вступит в силу при следующем запуске программы.</source>
        <translation>Вибрана мова інтерфейсу набуде чинності під час наступного запуску програми.</translation>
    </message>
    <message>
        <source>Печать данного конверта</source>
        <translation>Друк цього конверта</translation>
    </message>
    <message>
        <source>Размеры конверта</source>
        <translation>Розмір конверта</translation>
    </message>
    <message>
        <source>Настройка шрифтов</source>
        <translation>Налаштування шрифтів</translation>
    </message>
    <message>
        <source>Информация о пользователе</source>
        <translation>Адреса відправника</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Адрес отправителя</source>
        <translation>Адреса відправника</translation>
    </message>
    <message>
        <source>Адрес получателя</source>
        <translation>Адреса одержувача</translation>
    </message>
    <message>
        <source>Марка</source>
        <translation>Марка</translation>
    </message>
    <message>
        <source>Вы действительно хотите выйти?</source>
        <translation>Ви справді хочете вийти з програми?</translation>
    </message>
    <message>
        <source>Не удалось начать письмо: не запускается текстовый редактор WordPad (write.exe).</source>
        <translation>Не вдалося почати лист: не запускається текстовий редактор WordPad (write.exe).</translation>
    </message>
    <message>
        <source>Не удалось начать письмо: в системе не найден текстовый процессор. Установите текстовый процессор (например, LibreOffice Writer, пакет libreoffice-writer) и повторите попытку.</source>
        <translation>Не вдалося почати лист: у системі не знайдено текстового процесора. Установіть текстовий процесор (наприклад, LibreOffice Writer, пакет libreoffice-writer) і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>Не удалось открыть справку: не запускается программа просмотра справки Windows (hh.exe).</source>
        <translation>Не вдалося відкрити довідку: не запускається програма перегляду довідки Windows (hh.exe).</translation>
    </message>
    <message>
        <source>Не удалось открыть справку: не найден файл %1.</source>
        <translation>Не вдалося відкрити довідку: не знайдено файл %1.</translation>
    </message>
    <message>
        <source>&amp;Написать письмо</source>
        <translation>&amp;Написати лист</translation>
    </message>
    <message>
        <source>&amp;Данный конверт</source>
        <translation>&amp;Цей конверт</translation>
    </message>
    <message>
        <source>&amp;Групповая рассылка</source>
        <translation>&amp;Групова розсилка</translation>
    </message>
    <message>
        <source>В&amp;ыход</source>
        <translation>&amp;Вихід</translation>
    </message>
    <message>
        <source>&amp;Копировать</source>
        <translation>&amp;Копіювати</translation>
    </message>
    <message>
        <source>В&amp;ставить</source>
        <translation>&amp;Вставити</translation>
    </message>
    <message>
        <source>&amp;Выделить всё</source>
        <translation>Виді&amp;лити все</translation>
    </message>
    <message>
        <source>&amp;Размер конверта</source>
        <translation>&amp;Розмір конверта</translation>
    </message>
    <message>
        <source>&amp;Шрифт</source>
        <translation>&amp;Шрифт</translation>
    </message>
    <message>
        <source>&amp;Адресная книга</source>
        <translation>&amp;Адресна книга</translation>
    </message>
    <message>
        <source>&amp;Инф. о пользователе</source>
        <translation>Адреса &amp;відправника</translation>
    </message>
    <message>
        <source>&amp;Почтовый индекс</source>
        <translation>&amp;Поштовий індекс</translation>
    </message>
    <message>
        <source>&amp;Вызов справки </source>
        <translation>&amp;Зміст довідки</translation>
    </message>
    <message>
        <source>&amp;О программе</source>
        <translation>&amp;Про програму</translation>
    </message>
    <message>
        <source>Адрес отправителя, строка за строкой, как он будет напечатан на конверте.</source>
        <translation>Адреса відправника, рядок за рядком, як її буде надруковано на конверті.</translation>
    </message>
    <message>
        <source>Адрес получателя, строка за строкой, как он будет напечатан на конверте.</source>
        <translation>Адреса одержувача, рядок за рядком, як її буде надруковано на конверті.</translation>
    </message>
</context>
<context>
    <name>PostalCheck</name>
    <message>
        <source> и ещё %1</source>
        <translation> і ще %1</translation>
    </message>
    <message>
        <source> и др.</source>
        <translation> та ін.</translation>
    </message>
    <message>
        <source>нет почтового индекса</source>
        <translation>немає поштового індексу</translation>
    </message>
    <message>
        <source>«%1» — почтовый индекс должен состоять из пяти цифр</source>
        <translation>«%1» — поштовий індекс має складатися з п’яти цифр</translation>
    </message>
    <message>
        <source>%1 — такого индекса нет в справочнике</source>
        <translation>%1 — такого індексу немає в довіднику</translation>
    </message>
    <message>
        <source>%1 — %2, а населённый пункт не указан</source>
        <translation>%1 — %2, а населений пункт не вказано</translation>
    </message>
    <message>
        <source>%1 — %2, а не %3</source>
        <translation>%1 — %2, а не %3</translation>
    </message>
    <message>
        <source>«%1» — такой области нет</source>
        <translation>«%1» — такої області немає</translation>
    </message>
</context>
<context>
    <name>PostalCodeDialog</name>
    <message>
        <source>Справочник почтовых индексов Украины</source>
        <translation>Довідник поштових індексів України</translation>
    </message>
    <message>
        <source>Область</source>
        <translation>Область</translation>
    </message>
    <message>
        <source>Населенный пункт (на укр. языке)</source>
        <translation>Населений пункт (українською)</translation>
    </message>
    <message>
        <source>Нажмите ENTER для поиска</source>
        <translation>Натисніть Enter, щоб шукати</translation>
    </message>
    <message>
        <source>Искать</source>
        <translation>Шукати</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Найденные почтовые индексы</source>
        <translation>Знайдені поштові індекси</translation>
    </message>
    <message>
        <source>Выберите область</source>
        <translation>Виберіть область</translation>
    </message>
    <message>
        <source>не хватает нужных параметров для поиска!</source>
        <translation>Введіть населений пункт, який шукати.</translation>
    </message>
    <message>
        <source>Без выбранной области поиск идёт по всем областям</source>
        <translation>Якщо область не вибрано, пошук іде в усіх областях</translation>
    </message>
    <message>
        <source>Вставлять и населённый пункт с областью</source>
        <translation>Вставляти й населений пункт з областю</translation>
    </message>
    <message>
        <source>Вставить</source>
        <translation>Вставити</translation>
    </message>
    <message>
        <source>Вставить выбранный индекс в адрес получателя</source>
        <translation>Вставити вибраний індекс в адресу одержувача</translation>
    </message>
    <message>
        <source>Выберите индекс в списке найденных</source>
        <translation>Виберіть індекс у списку знайдених</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source>Предварительный просмотр</source>
        <translation>Попередній перегляд</translation>
    </message>
    <message>
        <source>Конверт</source>
        <translation>Конверт</translation>
    </message>
    <message>
        <source>Предыдущий конверт</source>
        <translation>Попередній конверт</translation>
    </message>
    <message>
        <source>Номер конверта</source>
        <translation>Номер конверта</translation>
    </message>
    <message>
        <source>Следующий конверт</source>
        <translation>Наступний конверт</translation>
    </message>
    <message>
        <source>Пробная печать</source>
        <translation>Пробний друк</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Перемещение адреса отправителя вверх/вниз</source>
        <translation>Переміщення адреси відправника вгору/вниз</translation>
    </message>
    <message>
        <source>Перемещение адреса отправителя влево/вправо</source>
        <translation>Переміщення адреси відправника ліворуч/праворуч</translation>
    </message>
    <message>
        <source>Перемещение адреса получателя вверх/вниз</source>
        <translation>Переміщення адреси одержувача вгору/вниз</translation>
    </message>
    <message>
        <source>Перемещение адреса получателя влево/вправо</source>
        <translation>Переміщення адреси одержувача ліворуч/праворуч</translation>
    </message>
    <message>
        <source>из </source>
        <translation>з </translation>
    </message>
    <message>
        <source>Ошибка ввода данных. повторите ввод</source>
        <translation>Помилка введення даних. Повторіть введення</translation>
    </message>
    <message>
        <source>Ошибка ввода. Повторита ввод</source>
        <translation>Помилка введення. Повторіть введення</translation>
    </message>
    <message>
        <source>Вы вышли за пределы списка. Повторите ввод.</source>
        <translation>Ви вийшли за межі списку. Повторіть введення.</translation>
    </message>
</context>
<context>
    <name>PrintActions</name>
    <message>
        <source>Печать конверта %1 из %2</source>
        <translation>Друк конверта %1 з %2</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Велтора</source>
        <translation>Велтора</translation>
    </message>
    <message>
        <source>Печать в файл PDF</source>
        <translation>Друк у файл PDF</translation>
    </message>
    <message>
        <source>Велтора.pdf</source>
        <translation>Велтора.pdf</translation>
    </message>
    <message>
        <source>Документ PDF (*.pdf)</source>
        <translation>Документ PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>PrintSetupDialog</name>
    <message>
        <source>Настройка печати</source>
        <translation>Налаштування друку</translation>
    </message>
    <message>
        <source>Принтер</source>
        <translation>Принтер</translation>
    </message>
    <message>
        <source>Имя: </source>
        <translation>Назва: </translation>
    </message>
    <message>
        <source>Настройка</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Состояние: </source>
        <translation>Стан: </translation>
    </message>
    <message>
        <source>Занят</source>
        <translation>Зайнятий</translation>
    </message>
    <message>
        <source>Свободен</source>
        <translation>Готовий</translation>
    </message>
    <message>
        <source>Конверты</source>
        <translation>Конверти</translation>
    </message>
    <message>
        <source>Все</source>
        <translation>Усі</translation>
    </message>
    <message>
        <source>Номера (через запятую)</source>
        <translation>Номери (через кому,</translation>
    </message>
    <message>
        <source>диапазон через тире)</source>
        <translation>діапазон через тире)</translation>
    </message>
    <message>
        <source>Копии</source>
        <translation>Копії</translation>
    </message>
    <message>
        <source>Число копий: </source>
        <translation>Кількість копій: </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Способ загрузки конверта</source>
        <translation>Спосіб подачі конверта</translation>
    </message>
    <message>
        <source>… и ещё %1</source>
        <translation>… і ще %1</translation>
    </message>
    <message>
        <source>Почтовый индекс не сходится с адресом на %1 из %2 конвертов:
%3

Печатать всё равно?</source>
        <translation>Поштовий індекс не відповідає адресі на %1 з %2 конвертів:
%3

Друкувати все одно?</translation>
    </message>
    <message>
        <source>Бумага: </source>
        <translation>Папір: </translation>
    </message>
    <message>
        <source>Велтора</source>
        <translation>Велтора</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>Файл PDF</translation>
    </message>
</context>
<context>
    <name>PrintingService</name>
    <message>
        <source>%1 (бумага принтера)</source>
        <translation>%1 (папір принтера)</translation>
    </message>
    <message>
        <source>конверт %1</source>
        <translation>конверт %1</translation>
    </message>
    <message>
        <source>%1 × %2 мм</source>
        <translation>%1 × %2 мм</translation>
    </message>
</context>
<context>
    <name>QtMessages</name>
    <message>
        <source>Велтора</source>
        <translation>Велтора</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>Ні</translation>
    </message>
</context>
<context>
    <name>RowLimitWarning</name>
    <message>
        <source>Велтора</source>
        <translation>Велтора</translation>
    </message>
    <message>
        <source>Внимание!</source>
        <translation>Зверніть увагу</translation>
    </message>
    <message>
        <source>Во избежание ошибок и исключительных ситуаций </source>
        <translation>Щоб уникнути помилок під час вставлення</translation>
    </message>
    <message>
        <source>при слиянии с внешним источником выделяйте не более</source>
        <translation>рядків з іншого документа, копіюйте не більше</translation>
    </message>
    <message>
        <source>780 строк!</source>
        <translation>780 рядків за раз.</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Больше не выводить  это окно</source>
        <translation>Більше не показувати це вікно</translation>
    </message>
</context>
<context>
    <name>SenderDialog</name>
    <message>
        <source>Информация о пользователе</source>
        <translation>Адреса відправника</translation>
    </message>
    <message>
        <source>Адрес отправителя</source>
        <translation>Адреса відправника</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Закрити</translation>
    </message>
</context>
<context>
    <name>SettingsFiles</name>
    <message>
        <source>Файл «%1» (%2): %3 — такого значения не бывает (допустимо: %4). Задайте настройку заново.</source>
        <translation>Файл «%1» (%2): %3 — такого значення не буває (допустимо: %4). Задайте налаштування заново.</translation>
    </message>
    <message>
        <source>размер шрифта %1</source>
        <translation>розмір шрифту %1</translation>
    </message>
    <message>
        <source>от %1 до %2</source>
        <translation>від %1 до %2</translation>
    </message>
    <message>
        <source>вид конверта %1</source>
        <translation>форма конверта %1</translation>
    </message>
    <message>
        <source>1, 2 или 3</source>
        <translation>1, 2 або 3</translation>
    </message>
    <message>
        <source>размер конверта %1 x %2 мм</source>
        <translation>розмір конверта %1 x %2 мм</translation>
    </message>
    <message>
        <source>от %1 до %2 мм</source>
        <translation>від %1 до %2 мм</translation>
    </message>
    <message>
        <source>способ загрузки %1</source>
        <translation>спосіб подачі %1</translation>
    </message>
    <message>
        <source>1 — по левому краю, 4 — по центру, 0 — не выбран</source>
        <translation>1 — по лівому краю, 4 — по центру, 0 — не вибрано</translation>
    </message>
</context>
<context>
    <name>SizeDialog</name>
    <message>
        <source>Настройка размера конверта</source>
        <translation>Налаштування розміру конверта</translation>
    </message>
    <message>
        <source>Выберите размер конверта</source>
        <translation>Виберіть розмір конверта</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Велтора: адресует и печатает почтовые конверты, по одному или групповой рассылкой.</source>
        <translation>Велтора: адресує й друкує поштові конверти, поодинці або груповою розсилкою.</translation>
    </message>
    <message>
        <source>Язык интерфейса: ru (русский), uk (украинский) или en (английский).</source>
        <translation>Мова інтерфейсу: ru (російська), uk (українська) або en (англійська).</translation>
    </message>
    <message>
        <source>язык</source>
        <translation>мова</translation>
    </message>
</context>
<context>
    <name>numberlist</name>
    <message>
        <source>Нет конверта с номером %1: список рассылки пуст</source>
        <translation>Немає конверта з номером %1: список розсилки порожній</translation>
    </message>
    <message>
        <source>Нет конверта с номером %1: в списке рассылки конверты с 1 по %2</source>
        <translation>Немає конверта з номером %1: у списку розсилки конверти з 1 по %2</translation>
    </message>
    <message>
        <source>Ошибка!!!</source>
        <translation>Помилка!</translation>
    </message>
</context>
<context>
    <name>veltora-batch</name>
    <message>
        <source>%1: «%2» — нужно целое число от %3 до %4 / a whole number from %3 to %4 expected</source>
        <translation>%1: «%2» — потрібне ціле число від %3 до %4</translation>
    </message>
    <message>
        <source>%1: «%2» — нужно X,Y / X,Y expected</source>
        <translation>%1: «%2» — потрібно X,Y</translation>
    </message>
    <message>
        <source>%1: не хватает значения / a value is missing</source>
        <translation>%1: бракує значення</translation>
    </message>
    <message>
        <source>%1: источник получателей уже задан (--book, --names, --table — только один) / the recipients&apos; source is already given</source>
        <translation>%1: джерело одержувачів уже задано (--book, --names, --table — лише одне)</translation>
    </message>
    <message>
        <source>--encoding: «%1» — нужно utf-8 или cp1251 / utf-8 or cp1251 expected</source>
        <translation>--encoding: «%1» — потрібно utf-8 або cp1251</translation>
    </message>
    <message>
        <source>--page: «%1» — нужно envelope, a4 или printer / envelope, a4 or printer expected</source>
        <translation>--page: «%1» — потрібно envelope, a4 або printer</translation>
    </message>
    <message>
        <source>--header и --no-header — только одно / --header and --no-header exclude each other</source>
        <translation>--header і --no-header — лише одне з двох</translation>
    </message>
    <message>
        <source>неизвестный параметр «%1» (см. --help) / unknown argument &apos;%1&apos; (see --help)</source>
        <translation>невідомий параметр «%1» (див. --help)</translation>
    </message>
    <message>
        <source>не задан источник получателей: --book, --names ФАЙЛ или --table ФАЙЛ / no recipients: give --book, --names FILE or --table FILE</source>
        <translation>не задано джерело одержувачів: --book, --names ФАЙЛ або --table ФАЙЛ</translation>
    </message>
    <message>
        <source>--table требует --columns / --table needs --columns</source>
        <translation>--table потребує --columns</translation>
    </message>
    <message>
        <source>--columns, --encoding, --header и --no-header — только с --table / --columns, --encoding, --header and --no-header go with --table</source>
        <translation>--columns, --encoding, --header і --no-header — лише з --table</translation>
    </message>
    <message>
        <source>--printer «%1» пишет файл: нужен -o ФАЙЛ.pdf / the printer &quot;%1&quot; writes a file: give -o FILE.pdf</source>
        <translation>--printer «%1» записує файл: потрібен -o ФАЙЛ.pdf</translation>
    </message>
    <message>
        <source>нужен ровно один из --printer ИМЯ или -o ФАЙЛ.pdf / give exactly one of --printer NAME or -o FILE.pdf</source>
        <translation>потрібен рівно один із --printer НАЗВА або -o ФАЙЛ.pdf</translation>
    </message>
    <message>
        <source>рабочая папка / working directory, «%1»: %2</source>
        <translation>робоча папка, «%1»: %2</translation>
    </message>
    <message>
        <source>--names «%1», строка %2: «%3» нет в адресной книге / line %2: &apos;%3&apos; is not in the address book</source>
        <translation>--names «%1», рядок %2: «%3» немає в адресній книзі</translation>
    </message>
    <message>
        <source>список рассылки пуст / the mailing list is empty</source>
        <translation>список розсилки порожній</translation>
    </message>
    <message>
        <source>--columns: у первого поля (фамилия, ключ записи) нет столбца / the first field (surname, the record key) needs a column</source>
        <translation>--columns: у першого поля (прізвище, ключ запису) немає стовпця</translation>
    </message>
    <message>
        <source>veltora-batch: --table «%1»: первая строка похожа на заголовки столбцов и не печатается (--no-header печатает её) / the first row looks like column titles and is not printed (--no-header prints it)</source>
        <translation>veltora-batch: --table «%1»: перший рядок схожий на заголовки стовпців і не друкується (--no-header друкує його)</translation>
    </message>
    <message>
        <source>--columns: поле %1 — столбца %2 (счёт с 0) нет ни в одной строке: в таблице «%3» %4 / field %1: no row has column %2 (counted from 0): the table has %5 columns</source>
        <translation>--columns: поле %1 — стовпця %2 (лік від 0) немає в жодному рядку: у таблиці «%3»%4 стовпців: %5</translation>
    </message>
    <message>
        <source>--table «%1», строка %2, столбец %3: нет фамилии (ключа записи) / row %2, column %3: the surname (record key) is empty</source>
        <translation>--table «%1», рядок %2, стовпець %3: немає прізвища (ключа запису)</translation>
    </message>
    <message>
        <source>--table «%1», строка %2, столбец 1: строка короче пяти знаков / row %2, column 1: the row is shorter than five characters</source>
        <translation>--table «%1», рядок %2, стовпець 1: рядок коротший за п’ять знаків</translation>
    </message>
    <message>
        <source>--select «%1»: %2 — номера через запятую, диапазоны через тире, без пробелов / numbers separated by commas, ranges by dashes, no blanks</source>
        <translation>--select «%1»: %2 — номери через кому, діапазони через тире, без пропусків</translation>
    </message>
    <message>
        <source>--select «%1»: выбор пуст, не выбрано ни одного конверта / the selection is empty: no envelope is chosen</source>
        <translation>--select «%1»: вибір порожній, не вибрано жодного конверта</translation>
    </message>
    <message>
        <source>--workdir «%1»: папки нет / no such folder</source>
        <translation>--workdir «%1»: такої папки немає</translation>
    </message>
    <message>
        <source>слишком много строк / too many rows: %1</source>
        <translation>забагато рядків: %1</translation>
    </message>
    <message>
        <source>veltora-batch: рассылка не напечатана: ошибки в почтовых индексах (--strict) / nothing printed: the mailing has postal code problems (--strict)</source>
        <translation>veltora-batch: розсилку не надруковано: помилки в поштових індексах (--strict)</translation>
    </message>
    <message>
        <source>-o -: стандартный вывод — терминал, PDF направьте в файл или программу / the standard output is a terminal: send the PDF to a file or a program</source>
        <translation>-o -: стандартний вивід — термінал, спрямуйте PDF у файл або програму</translation>
    </message>
    <message>
        <source>-o «%1»: папки нет / the folder does not exist</source>
        <translation>-o «%1»: папки не існує</translation>
    </message>
    <message>
        <source>--printer «%1»: нет такого принтера; есть / no such printer; there are: %2</source>
        <translation>--printer «%1»: такого принтера немає; є: %2</translation>
    </message>
    <message>
        <source>задание печати не выполнено / the print job did not complete</source>
        <translation>завдання друку не виконано</translation>
    </message>
    <message>
        <source>veltora-batch: ошибка печати / printing failed: </source>
        <translation>veltora-batch: помилка друку: </translation>
    </message>
    <message>
        <source>стандартный вывод / standard output</source>
        <translation>стандартний вивід</translation>
    </message>
    <message numerus="yes">
        <source>%n конвертов</source>
        <translation>
            <numerusform>%n конверт</numerusform>
            <numerusform>%n конверти</numerusform>
            <numerusform>%n конвертів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n страниц</source>
        <translation>
            <numerusform>%n сторінка</numerusform>
            <numerusform>%n сторінки</numerusform>
            <numerusform>%n сторінок</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 / envelopes → %2, %3 / pages</source>
        <translation>%1 → %2, %3</translation>
    </message>
    <message>
        <source>veltora-batch: почтовые индексы: проверено адресов %1, с ошибкой %2 / postal codes: %1 addresses checked, %2 with a problem</source>
        <translation>veltora-batch: поштові індекси: перевірено адрес %1, з помилкою %2</translation>
    </message>
    <message>
        <source>veltora-batch: %1 — одна фамилия; каждая строка печатается со своим адресом, а в окне групповой рассылки их конверты получат один адрес, из строки %2 / rows %3 share the key &apos;%4&apos;: each row prints with its own address here, while the group mailing window gives their envelopes one address, that of row %2</source>
        <translation>veltora-batch: %1 — одне прізвище (рядки %3, ключ «%4»); кожен рядок друкується зі своєю адресою, а у вікні групової розсилки їхні конверти отримають одну адресу, з рядка %2</translation>
    </message>
</context>
</TS>
