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
    <message>
        <source>Импорт и экспорт</source>
        <translation>Імпорт і експорт</translation>
    </message>
    <message>
        <source>&amp;Импорт из vCard или таблицы…</source>
        <translation>&amp;Імпорт із vCard або таблиці…</translation>
    </message>
    <message>
        <source>Экспорт &amp;всей книги…</source>
        <translation>Експорт &amp;усієї книги…</translation>
    </message>
    <message>
        <source>Экспорт в&amp;ыбранных адресатов…</source>
        <translation>Експорт ви&amp;браних адресатів…</translation>
    </message>
    <message>
        <source>Импорт адресатов</source>
        <translation>Імпорт адресатів</translation>
    </message>
    <message>
        <source>Контакты и таблицы (*.vcf *.csv *.tsv *.txt *.ods *.xlsx);;Все файлы (*)</source>
        <translation>Контакти й таблиці (*.vcf *.csv *.tsv *.txt *.ods *.xlsx);;Усі файли (*)</translation>
    </message>
    <message>
        <source>Экспорт адресатов</source>
        <translation>Експорт адресатів</translation>
    </message>
    <message>
        <source>Адресаты.vcf</source>
        <translation>Адресати.vcf</translation>
    </message>
    <message>
        <source>vCard 4.0 (*.vcf);;CSV в UTF-8 (*.csv)</source>
        <translation>vCard 4.0 (*.vcf);;CSV в UTF-8 (*.csv)</translation>
    </message>
    <message>
        <source>Адресат «%1» уже есть в адресной книге.</source>
        <translation>Адресат «%1» уже є в адресній книзі.</translation>
    </message>
    <message>
        <source>Заменить</source>
        <translation>Замінити</translation>
    </message>
    <message>
        <source>Оставить оба</source>
        <translation>Залишити обидва</translation>
    </message>
    <message>
        <source>Пропустить</source>
        <translation>Пропустити</translation>
    </message>
    <message>
        <source>Для всех совпадающих имён</source>
        <translation>Для всіх однакових імен</translation>
    </message>
    <message>
        <source>Добавлено: %1, заменено: %2, пропущено: %3.</source>
        <translation>Додано: %1, замінено: %2, пропущено: %3.</translation>
    </message>
    <message>
        <source>Без почтового адреса: %1</source>
        <translation>Без поштової адреси: %1</translation>
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
    <message>
        <source>Слишком много страниц: %1</source>
        <translation>Забагато сторінок: %1</translation>
    </message>
</context>
<context>
    <name>BookTransfer</name>
    <message>
        <source>дом</source>
        <translation>дім</translation>
    </message>
    <message>
        <source>работа</source>
        <translation>робота</translation>
    </message>
    <message>
        <source>адрес %1</source>
        <translation>адреса %1</translation>
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
    <name>DataFolders</name>
    <message>
        <source>Велтора: папки с данными программы «%1» нет, рабочая папка не дополнена</source>
        <translation>Велтора: папки з даними програми «%1» немає, робочу папку не доповнено</translation>
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
    <message>
        <source>Из файла…</source>
        <translation>З файлу…</translation>
    </message>
    <message>
        <source>Открыть таблицу с адресами: CSV, TSV, OpenDocument (.ods), Excel (.xlsx)</source>
        <translation>Відкрити таблицю з адресами: CSV, TSV, OpenDocument (.ods), Excel (.xlsx)</translation>
    </message>
    <message>
        <source>Открыть таблицу с адресами</source>
        <translation>Відкрити таблицю з адресами</translation>
    </message>
    <message>
        <source>Таблицы (*.csv *.tsv *.txt *.ods *.xlsx);;Все файлы (*)</source>
        <translation>Таблиці (*.csv *.tsv *.txt *.ods *.xlsx);;Усі файли (*)</translation>
    </message>
    <message>
        <source>Лист книги</source>
        <translation>Аркуш книги</translation>
    </message>
    <message>
        <source>В книге несколько листов. Какой открыть?</source>
        <translation>У книзі кілька аркушів. Який відкрити?</translation>
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
    <message>
        <source>Первая строка — заголовки столбцов</source>
        <translation>Перший рядок — заголовки стовпців</translation>
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
    <message>
        <source>%1

Отправлено заданий: %2 из %3. Не напечатаны конверты %4: их печатают «Номера» с этим списком.</source>
        <translation>%1

Надіслано завдань: %2 з %3. Не надруковано конверти %4: їх друкують «Номери» з цим списком.</translation>
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
        <source>по</source>
        <translation>по</translation>
    </message>
    <message>
        <source>конвертов в задании</source>
        <translation>конвертів у завданні</translation>
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
    <name>Workbook</name>
    <message>
        <source>«%1»: нет листа «%2»; листы книги: %3</source>
        <translation>«%1»: немає аркуша «%2»; аркуші книги: %3</translation>
    </message>
    <message>
        <source>архив повреждён (%1)</source>
        <translation>архів пошкоджено (%1)</translation>
    </message>
    <message>
        <source>книга защищена паролем</source>
        <translation>книгу захищено паролем</translation>
    </message>
    <message>
        <source>часть «%1» разворачивается в %2 байт из %3: это не книга, а zip-бомба или повреждённый архив</source>
        <translation>частина «%1» розгортається в %2 байт із %3: це не книга, а zip-бомба або пошкоджений архів</translation>
    </message>
    <message>
        <source>часть «%1» не читается (%2)</source>
        <translation>частина «%1» не читається (%2)</translation>
    </message>
    <message>
        <source>часть «%1» длиннее, чем объявлено в архиве</source>
        <translation>частина «%1» довша, ніж оголошено в архіві</translation>
    </message>
    <message>
        <source>часть обрывается</source>
        <translation>частина обривається</translation>
    </message>
    <message>
        <source>«%1»: %2</source>
        <translation>«%1»: %2</translation>
    </message>
    <message>
        <source>это книга старого формата Excel (.xls) или книга, защищённая паролем; сохраните её без пароля как .xlsx или .ods</source>
        <translation>це книга старого формату Excel (.xls) або книга, захищена паролем; збережіть її без пароля як .xlsx або .ods</translation>
    </message>
    <message>
        <source>файл назван книгой .%1, но это не книга (не zip-архив)</source>
        <translation>файл названо книгою .%1, але це не книга (не zip-архів)</translation>
    </message>
    <message>
        <source>файл назван .ods, но это книга другого формата</source>
        <translation>файл названо .ods, але це книга іншого формату</translation>
    </message>
    <message>
        <source>файл назван .xlsx, но это книга другого формата</source>
        <translation>файл названо .xlsx, але це книга іншого формату</translation>
    </message>
    <message>
        <source>в книге нет ни одного листа</source>
        <translation>у книзі немає жодного аркуша</translation>
    </message>
    <message>
        <source>content.xml: часть обрывается</source>
        <translation>content.xml: частина обривається</translation>
    </message>
    <message>
        <source>content.xml: %1</source>
        <translation>content.xml: %1</translation>
    </message>
    <message>
        <source>нет части content.xml</source>
        <translation>немає частини content.xml</translation>
    </message>
    <message>
        <source>xl/workbook.xml: %1</source>
        <translation>xl/workbook.xml: %1</translation>
    </message>
    <message>
        <source>zip-архив, но не книга OpenDocument (.ods) и не книга Excel (.xlsx)</source>
        <translation>zip-архів, але не книга OpenDocument (.ods) і не книга Excel (.xlsx)</translation>
    </message>
    <message>
        <source>нет листа номер %1</source>
        <translation>немає аркуша номер %1</translation>
    </message>
    <message>
        <source>лист «%1»: больше %2 ячеек</source>
        <translation>аркуш «%1»: більше %2 клітинок</translation>
    </message>
    <message>
        <source>лист «%1» не найден</source>
        <translation>аркуш «%1» не знайдено</translation>
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
        <translation>аркуш «%1», рядок %2: немає спільного рядка %3</translation>
    </message>
    <message>
        <source>нет части листа «%1»</source>
        <translation>немає частини аркуша «%1»</translation>
    </message>
    <message>
        <source>лист «%1»: %2</source>
        <translation>аркуш «%1»: %2</translation>
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
    <name>vcard</name>
    <message>
        <source>строка %1: это не файл vCard (нет BEGIN:VCARD)</source>
        <translation>рядок %1: це не файл vCard (немає BEGIN:VCARD)</translation>
    </message>
    <message>
        <source>строка %1: текст вне контакта (после END:VCARD нет BEGIN:VCARD)</source>
        <translation>рядок %1: текст поза контактом (після END:VCARD немає BEGIN:VCARD)</translation>
    </message>
    <message>
        <source>контакт, начатый в строке %1, не закончен: нет END:VCARD</source>
        <translation>контакт, розпочатий у рядку %1, не завершено: немає END:VCARD</translation>
    </message>
    <message>
        <source>в файле нет ни одного контакта (BEGIN:VCARD … END:VCARD)</source>
        <translation>у файлі немає жодного контакту (BEGIN:VCARD … END:VCARD)</translation>
    </message>
</context>
<context>
    <name>veltora-batch</name>
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
        <source>строка %1, столбец %2: %3</source>
        <translation>рядок %1, стовпець %2: %3</translation>
    </message>
    <message>
        <source>файл не в кодировке UTF-8</source>
        <translation>файл не в кодуванні UTF-8</translation>
    </message>
    <message>
        <source>--columns: поле %1: «%2» — не номер столбца и не «-»</source>
        <translation>--columns: поле %1: «%2» — не номер стовпця і не «-»</translation>
    </message>
    <message>
        <source>--table «%1», %2</source>
        <translation>--table «%1», %2</translation>
    </message>
    <message>
        <source>--table «%1»: %2</source>
        <translation>--table «%1»: %2</translation>
    </message>
    <message>
        <source>--columns: у первого поля (фамилия, ключ записи) нет столбца</source>
        <translation>--columns: у першого поля (прізвище, ключ запису) немає стовпця</translation>
    </message>
    <message>
        <source>список рассылки пуст</source>
        <translation>список розсилки порожній</translation>
    </message>
    <message>
        <source>--columns: поле %1 — столбца %2 (счёт с 0) нет ни в одной строке: в таблице «%3» столбцов: %4</source>
        <translation>--columns: поле %1 — стовпця %2 (лік від 0) немає в жодному рядку: у таблиці «%3» стовпців: %4</translation>
    </message>
    <message>
        <source>--table «%1», строка %2, столбец %3: нет фамилии (ключа записи)</source>
        <translation>--table «%1», рядок %2, стовпець %3: немає прізвища (ключа запису)</translation>
    </message>
    <message>
        <source>--table «%1», строка %2, столбец 1: строка короче пяти знаков</source>
        <translation>--table «%1», рядок %2, стовпець 1: рядок коротший за п’ять знаків</translation>
    </message>
    <message>
        <source>кавычка не закрыта</source>
        <translation>лапки не закрито</translation>
    </message>
    <message>
        <source>%1 «%2»: %3</source>
        <translation>%1 «%2»: %3</translation>
    </message>
    <message>
        <source>рабочая папка, «%1»: %2</source>
        <translation>робоча папка, «%1»: %2</translation>
    </message>
    <message>
        <source>--names «%1», строка %2: «%3» нет в адресной книге</source>
        <translation>--names «%1», рядок %2: «%3» немає в адресній книзі</translation>
    </message>
    <message>
        <source>--workdir «%1»: это не папка</source>
        <translation>--workdir «%1»: це не папка</translation>
    </message>
    <message>
        <source>--workdir «%1»: папку не удалось создать</source>
        <translation>--workdir «%1»: папку не вдалося створити</translation>
    </message>
    <message>
        <source>в системе нет ни одного принтера; PDF-файл пишет -o ФАЙЛ.pdf</source>
        <translation>у системі немає жодного принтера; PDF-файл пише -o ФАЙЛ.pdf</translation>
    </message>
    <message>
        <source>есть: %1</source>
        <translation>є: %1</translation>
    </message>
    <message>
        <source>veltora-batch: --table «%1»: первая строка похожа на заголовки столбцов и не печатается (--no-header печатает её)</source>
        <translation>veltora-batch: --table «%1»: перший рядок схожий на заголовки стовпців і не друкується (--no-header друкує його)</translation>
    </message>
    <message>
        <source>слишком много строк: %1</source>
        <translation>забагато рядків: %1</translation>
    </message>
    <message>
        <source>veltora-batch: рассылка не напечатана: ошибки в почтовых индексах (--strict)</source>
        <translation>veltora-batch: розсилку не надруковано: помилки в поштових індексах (--strict)</translation>
    </message>
    <message>
        <source>-o -: стандартный вывод — терминал, PDF направьте в файл или программу</source>
        <translation>-o -: стандартний вивід — термінал, спрямуйте PDF у файл або програму</translation>
    </message>
    <message>
        <source>-o «%1»: папки нет</source>
        <translation>-o «%1»: папки не існує</translation>
    </message>
    <message>
        <source>--printer «%1»: нет такого принтера; %2</source>
        <translation>--printer «%1»: такого принтера немає; %2</translation>
    </message>
    <message>
        <source>Конверт %1 из %2</source>
        <translation>Конверт %1 з %2</translation>
    </message>
    <message>
        <source>задание печати не выполнено</source>
        <translation>завдання друку не виконано</translation>
    </message>
    <message>
        <source>задание %1 (CUPS %2): конверты %3 → %4</source>
        <translation>завдання %1 (CUPS %2): конверти %3 → %4</translation>
    </message>
    <message>
        <source>задание %1: конверты %3 → %4</source>
        <translation>завдання %1: конверти %3 → %4</translation>
    </message>
    <message>
        <source>veltora-batch: ошибка печати: </source>
        <translation>veltora-batch: помилка друку: </translation>
    </message>
    <message>
        <source>veltora-batch: отправлено заданий: %1 из %2; не напечатанные конверты печатает --select %3</source>
        <translation>veltora-batch: надіслано завдань: %1 з %2; ненадруковані конверти друкує --select %3</translation>
    </message>
    <message>
        <source>стандартный вывод</source>
        <translation>стандартний вивід</translation>
    </message>
    <message>
        <source>%1: «%2» — нужно целое число от %3 до %4</source>
        <translation>%1: «%2» — потрібне ціле число від %3 до %4</translation>
    </message>
    <message>
        <source>%1: «%2» — нужно X,Y</source>
        <translation>%1: «%2» — потрібно X,Y</translation>
    </message>
    <message>
        <source>все адресаты адресной книги по порядку файла</source>
        <translation>усі адресати адресної книги в порядку файлу</translation>
    </message>
    <message>
        <source>имена из адресной книги, по одному в строке</source>
        <translation>імена з адресної книги, по одному в рядку</translation>
    </message>
    <message>
        <source>ФАЙЛ</source>
        <translation>ФАЙЛ</translation>
    </message>
    <message>
        <source>столбцы (с 0) для девяти строк записи или «-»:
Фамилия, Имя, Отчество, Улица, Населенный пункт, Район,
Область, Страна, Почтовый индекс; например 0,1,-,2,3,-,-,-,4</source>
        <translation>стовпці (з 0) для дев’яти рядків запису або «-»:
Прізвище, Ім’я, По батькові, Вулиця, Населений пункт, Район,
Область, Країна, Поштовий індекс; наприклад 0,1,-,2,3,-,-,-,4</translation>
    </message>
    <message>
        <source>КАРТА</source>
        <translation>КАРТА</translation>
    </message>
    <message>
        <source>utf-8 или cp1251 (без него определяется сама)</source>
        <translation>utf-8 або cp1251 (без нього визначається сама)</translation>
    </message>
    <message>
        <source>КОДИРОВКА</source>
        <translation>КОДУВАННЯ</translation>
    </message>
    <message>
        <source>первая строка таблицы — заголовки столбцов, не печатается</source>
        <translation>перший рядок таблиці — заголовки стовпців, не друкується</translation>
    </message>
    <message>
        <source>первая строка — получатель (без этих двух параметров строка
заголовков распознаётся сама); пустые строки пропускаются</source>
        <translation>перший рядок — одержувач (без цих двох параметрів рядок
заголовків розпізнається сам); порожні рядки пропускаються</translation>
    </message>
    <message>
        <source>номера конвертов, как в окне «Настройка печати», например 2-4,7</source>
        <translation>номери конвертів, як у вікні «Налаштування друку», наприклад 2-4,7</translation>
    </message>
    <message>
        <source>СПИСОК</source>
        <translation>СПИСОК</translation>
    </message>
    <message>
        <source>число копий, от 1 до 50</source>
        <translation>кількість копій, від 1 до 50</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>задания по N конвертов (последнее короче), чтобы класс
принтеров CUPS распределил их; с -o — файл на задание
по шаблону, например -o рассылка-%03d.pdf</source>
        <translation>завдання по N конвертів (останнє коротше), щоб клас
принтерів CUPS розподілив їх; з -o — файл на завдання
за шаблоном, наприклад -o розсилка-%03d.pdf</translation>
    </message>
    <message>
        <source>сдвиг адреса отправителя, шагами по 2 мм
(X: от -244 до 100, Y: от -100 до 244)</source>
        <translation>зсув адреси відправника, кроками по 2 мм
(X: від -244 до 100, Y: від -100 до 244)</translation>
    </message>
    <message>
        <source>X,Y</source>
        <translation>X,Y</translation>
    </message>
    <message>
        <source>сдвиг адреса получателя, так же</source>
        <translation>зсув адреси одержувача, так само</translation>
    </message>
    <message>
        <source>принтер системы: очередь или класс CUPS</source>
        <translation>принтер системи: черга або клас CUPS</translation>
    </message>
    <message>
        <source>ИМЯ</source>
        <translation>НАЗВА</translation>
    </message>
    <message>
        <source>печать в PDF-файл («-» — на стандартный вывод)</source>
        <translation>друк у PDF-файл («-» — на стандартний вивід)</translation>
    </message>
    <message>
        <source>ФАЙЛ.pdf</source>
        <translation>ФАЙЛ.pdf</translation>
    </message>
    <message>
        <source>envelope (по умолчанию): страница — сам конверт; у принтера —
его бумага размера конверта, если она есть; a4: лист A4;
printer: бумага принтера как есть (для -o — A4)</source>
        <translation>envelope (типово): сторінка — сам конверт; у принтера —
його папір розміру конверта, якщо він є; a4: аркуш A4;
printer: папір принтера як є (для -o — A4)</translation>
    </message>
    <message>
        <source>СТРАНИЦА</source>
        <translation>СТОРІНКА</translation>
    </message>
    <message>
        <source>проверить почтовые индексы по справочнику и ничего не печатать:
строка или имя, индекс, населённый пункт, ошибка — через табуляцию</source>
        <translation>перевірити поштові індекси за довідником і нічого не друкувати:
рядок або ім’я, індекс, населений пункт, помилка — через табуляцію</translation>
    </message>
    <message>
        <source>не печатать рассылку с ошибками в индексах (код 3)</source>
        <translation>не друкувати розсилку з помилками в індексах (код 3)</translation>
    </message>
    <message>
        <source>рабочая папка; новая или пустая заполняется, как рабочая
папка по умолчанию</source>
        <translation>робоча папка; нова або порожня заповнюється, як типова
робоча папка</translation>
    </message>
    <message>
        <source>ПАПКА</source>
        <translation>ПАПКА</translation>
    </message>
    <message>
        <source>язык сообщений: ru, uk или en (по умолчанию — выбранный
в окне, иначе язык системы, иначе английский)</source>
        <translation>мова повідомлень: ru, uk або en (типово — вибрана у вікні,
інакше мова системи, інакше англійська)</translation>
    </message>
    <message>
        <source>ЯЗЫК</source>
        <translation>МОВА</translation>
    </message>
    <message>
        <source>эта справка</source>
        <translation>ця довідка</translation>
    </message>
    <message>
        <source>версия программы</source>
        <translation>версія програми</translation>
    </message>
    <message>
        <source>неизвестный параметр «%1» (см. --help)</source>
        <translation>невідомий параметр «%1» (див. --help)</translation>
    </message>
    <message>
        <source>%1: не хватает значения</source>
        <translation>%1: бракує значення</translation>
    </message>
    <message>
        <source>%1: источник получателей уже задан (--book, --names, --table — только один)</source>
        <translation>%1: джерело одержувачів уже задано (--book, --names, --table — лише одне)</translation>
    </message>
    <message>
        <source>--encoding: «%1» — нужно utf-8 или cp1251</source>
        <translation>--encoding: «%1» — потрібно utf-8 або cp1251</translation>
    </message>
    <message>
        <source>--page: «%1» — нужно envelope, a4 или printer</source>
        <translation>--page: «%1» — потрібно envelope, a4 або printer</translation>
    </message>
    <message>
        <source>--header и --no-header — только одно</source>
        <translation>--header і --no-header — лише одне з двох</translation>
    </message>
    <message>
        <source>не задан источник получателей: --book, --names ФАЙЛ или --table ФАЙЛ</source>
        <translation>не задано джерело одержувачів: --book, --names ФАЙЛ або --table ФАЙЛ</translation>
    </message>
    <message>
        <source>--table требует --columns</source>
        <translation>--table потребує --columns</translation>
    </message>
    <message>
        <source>--columns, --encoding, --header и --no-header — только с --table</source>
        <translation>--columns, --encoding, --header і --no-header — лише з --table</translation>
    </message>
    <message>
        <source>--printer «%1» пишет файл: нужен -o ФАЙЛ.pdf</source>
        <translation>--printer «%1» записує файл: потрібен -o ФАЙЛ.pdf</translation>
    </message>
    <message>
        <source>нужен ровно один из --printer ИМЯ или -o ФАЙЛ.pdf</source>
        <translation>потрібен рівно один із --printer НАЗВА або -o ФАЙЛ.pdf</translation>
    </message>
    <message>
        <source>--split пишет файл на задание: -o - не подходит, нужен шаблон имени</source>
        <translation>--split пише файл на завдання: -o - не підходить, потрібен шаблон назви</translation>
    </message>
    <message>
        <source>--split: в имени «%1» нужен номер задания, например рассылка-%03d.pdf (ровно один %d, %3d или %03d)</source>
        <translation>--split: у назві «%1» потрібен номер завдання, наприклад розсилка-%03d.pdf (рівно один %d, %3d або %03d)</translation>
    </message>
    <message>
        <source>--select «%1»: номера через запятую, диапазоны через тире, без пробелов</source>
        <translation>--select «%1»: номери через кому, діапазони через тире, без пропусків</translation>
    </message>
    <message>
        <source>--select «%1»: номер слишком велик</source>
        <translation>--select «%1»: номер завеликий</translation>
    </message>
    <message>
        <source>--select «%1»: выбор пуст, не выбрано ни одного конверта</source>
        <translation>--select «%1»: вибір порожній, не вибрано жодного конверта</translation>
    </message>
    <message>
        <source>Получатели (ровно один источник):</source>
        <translation>Одержувачі (рівно одне джерело):</translation>
    </message>
    <message>
        <source>Печать:</source>
        <translation>Друк:</translation>
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
Розмір конверта, шрифти, спосіб завантаження й адреса відправника (User.txt) беруться з
робочої папки; довідник поштових індексів, якого в ній немає, — зі встановленого.

Коди завершення: 0 — надруковано; 1 — друк не вдався; 2 — хибні параметри
або дані; 3 — помилки в поштових індексах (--check, --strict).

Докладно: man veltora-batch
</translation>
    </message>
    <message>
        <source>veltora-batch: почтовые индексы: проверено адресов %1, с ошибкой %2</source>
        <translation>veltora-batch: поштові індекси: перевірено адрес %1, з помилкою %2</translation>
    </message>
    <message>
        <source>veltora-batch: %1 — одна фамилия; каждая строка печатается со своим адресом, а в окне групповой рассылки их конверты получат один адрес, из строки %2</source>
        <translation>veltora-batch: %1 — одне прізвище; кожен рядок друкується зі своєю адресою, а у вікні групової розсилки їхні конверти отримають одну адресу, з рядка %2</translation>
    </message>
    <message numerus="yes">
        <source>%n заданий</source>
        <translation>
            <numerusform>%n завдання</numerusform>
            <numerusform>%n завдання</numerusform>
            <numerusform>%n завдань</numerusform>
        </translation>
    </message>
    <message>
        <source>veltora-batch: --vcard «%1»: контактов без почтового адреса (не печатаются): %2</source>
        <translation>veltora-batch: --vcard «%1»: контактів без поштової адреси (не друкуються): %2</translation>
    </message>
    <message>
        <source>таблица: столбцы через табуляцию, «;» или «,»; книга .ods или .xlsx</source>
        <translation>таблиця: стовпці через табуляцію, «;» або «,»; книга .ods або .xlsx</translation>
    </message>
    <message>
        <source>лист книги .ods или .xlsx (без него — первый)</source>
        <translation>аркуш книги .ods або .xlsx (без нього — перший)</translation>
    </message>
    <message>
        <source>ЛИСТ</source>
        <translation>АРКУШ</translation>
    </message>
    <message>
        <source>контакты vCard (.vcf): конверт каждому контакту с почтовым адресом</source>
        <translation>контакти vCard (.vcf): конверт кожному контакту з поштовою адресою</translation>
    </message>
    <message>
        <source>--sheet — только с --table</source>
        <translation>--sheet — лише з --table</translation>
    </message>
    <message>
        <source>Использование: veltora-batch (--book | --names ФАЙЛ | --table ФАЙЛ --columns КАРТА | --vcard ФАЙЛ)
                             [ПАРАМЕТРЫ] (-o ФАЙЛ.pdf | --printer ИМЯ)
Печатает групповую рассылку Велторы без окон, по конверту на страницу.
</source>
        <translation>Використання: veltora-batch (--book | --names ФАЙЛ | --table ФАЙЛ --columns КАРТА | --vcard ФАЙЛ)
                             [ПАРАМЕТРИ] (-o ФАЙЛ.pdf | --printer НАЗВА)
Друкує групову розсилку Велтори без вікон, по конверту на сторінку.
</translation>
    </message>
</context>
</TS>
