<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
    <context>
        <name>AccessibilityPrompt</name>
        <message>
            <source>Включить</source>
            <translation>Switch On</translation>
        </message>
        <message>
            <source>Включить её сейчас? Приложения, запущенные раньше, нужно будет перезапустить, чтобы Quillmoor мог читать их текст.</source>
            <translation>Switch it on now? Applications started earlier will need a restart before Quillmoor can read their text.</translation>
        </message>
        <message>
            <source>Не сейчас</source>
            <translation>Not Now</translation>
        </message>
        <message>
            <source>Не удалось включить службу специальных возможностей.</source>
            <translation>Couldn't switch the accessibility service on.</translation>
        </message>
        <message>
            <source>Чтобы читать слово под указателем, Quillmoor нужна служба специальных возможностей (AT-SPI), а она выключена.</source>
            <translation>To read the word under the pointer, Quillmoor needs the accessibility service (AT-SPI), and it is switched off.</translation>
        </message>
    </context>
    <context>
        <name>AchievementCatalog</name>
        <message>
            <source>10 освоенных слов</source>
            <translation>10 words mastered</translation>
        </message>
        <message>
            <source>10 повторений</source>
            <translation>10 reviews</translation>
        </message>
        <message>
            <source>100 дней подряд</source>
            <translation>100 days in a row</translation>
        </message>
        <message>
            <source>100 освоенных слов</source>
            <translation>100 words mastered</translation>
        </message>
        <message>
            <source>100 повторений</source>
            <translation>100 reviews</translation>
        </message>
        <message>
            <source>1000 повторений</source>
            <translation>1,000 reviews</translation>
        </message>
        <message>
            <source>3 дня подряд</source>
            <translation>3 days in a row</translation>
        </message>
        <message>
            <source>30 дней подряд</source>
            <translation>30 days in a row</translation>
        </message>
        <message>
            <source>50 карточек добавлено</source>
            <translation>50 cards added</translation>
        </message>
        <message>
            <source>7 дней подряд</source>
            <translation>7 days in a row</translation>
        </message>
        <message>
            <source>Все темы уровня A1 пройдены</source>
            <translation>All A1 topics completed</translation>
        </message>
        <message>
            <source>Все темы уровня A2 пройдены</source>
            <translation>All A2 topics completed</translation>
        </message>
        <message>
            <source>Все темы уровня B1 пройдены</source>
            <translation>All B1 topics completed</translation>
        </message>
        <message>
            <source>Грамматика: A1</source>
            <translation>Grammar: A1</translation>
        </message>
        <message>
            <source>Грамматика: A2</source>
            <translation>Grammar: A2</translation>
        </message>
        <message>
            <source>Грамматика: B1</source>
            <translation>Grammar: B1</translation>
        </message>
        <message>
            <source>Железная воля</source>
            <translation>Iron Will</translation>
        </message>
        <message>
            <source>Коллекционер</source>
            <translation>Collector</translation>
        </message>
        <message>
            <source>Марафонец</source>
            <translation>Marathoner</translation>
        </message>
        <message>
            <source>Месяц привычки</source>
            <translation>A Month of Habit</translation>
        </message>
        <message>
            <source>Набираем обороты</source>
            <translation>Picking Up Speed</translation>
        </message>
        <message>
            <source>Начало пути</source>
            <translation>The Journey Begins</translation>
        </message>
        <message>
            <source>Неделя силы</source>
            <translation>Power Week</translation>
        </message>
        <message>
            <source>Первая карточка</source>
            <translation>First card</translation>
        </message>
        <message>
            <source>Первые шаги</source>
            <translation>First Steps</translation>
        </message>
        <message>
            <source>Первый багаж</source>
            <translation>First Baggage</translation>
        </message>
        <message>
            <source>Разогрелись</source>
            <translation>Warming Up</translation>
        </message>
        <message>
            <source>Словарный запас</source>
            <translation>Vocabulary</translation>
        </message>
    </context>
    <context>
        <name>AchievementTile</name>
        <message>
            <source>ещё не получена</source>
            <translation>not earned yet</translation>
        </message>
        <message>
            <source>получена</source>
            <translation>earned</translation>
        </message>
    </context>
    <context>
        <name>AchievementsView</name>
        <message>
            <source>Открыто %1 из %2</source>
            <translation>%1 of %2 unlocked</translation>
        </message>
    </context>
    <context>
        <name>AnkiAddAction</name>
        <message>
            <source>Не удалось сохранить карточку в Quillmoor.</source>
            <translation>Couldn't save the card in Quillmoor.</translation>
        </message>
    </context>
    <context>
        <name>AnkiConnectError</name>
        <message>
            <source>Anki вернул ошибку: %1</source>
            <translation>Anki returned an error: %1</translation>
        </message>
        <message>
            <source>Anki прислал неожиданный ответ.</source>
            <translation>Anki sent an unexpected response.</translation>
        </message>
        <message>
            <source>Не удалось подключиться к Anki. Убедись, что Anki запущен и установлен аддон AnkiConnect.</source>
            <translation>Couldn't connect to Anki. Make sure Anki is running and the AnkiConnect add-on is installed.</translation>
        </message>
    </context>
    <context>
        <name>AnkiGuideDisclosureRow</name>
        <message>
            <source>Как подключить Anki к Quillmoor</source>
            <translation>How to connect Anki to Quillmoor</translation>
        </message>
    </context>
    <context>
        <name>AnkiSetupGuide</name>
        <message>
            <source>AnkiConnect работает, только пока запущено само приложение Anki — можно свернуть его в фон, но не закрывать, пока пользуетесь Quillmoor.</source>
            <translation>AnkiConnect only works while Anki itself is running — you can minimise it, but don't close it while you use Quillmoor.</translation>
        </message>
        <message>
            <source>Аддон включается только после перезапуска — закройте Anki и откройте снова.</source>
            <translation>The add-on only starts working after a restart — close Anki and open it again.</translation>
        </message>
        <message>
            <source>Бесплатное приложение для карточек с интервальным повторением. Скачайте на %1, если его ещё нет, и запустите хотя бы раз.</source>
            <translation>The free flashcard app with spaced repetition. Download it from %1 if you don't have it yet, and launch it at least once.</translation>
        </message>
        <message>
            <source>В Anki: Tools → Add-ons → Get Add-ons…, введите код %1 и нажмите OK.</source>
            <translation>In Anki: Tools → Add-ons → Get Add-ons…, enter the code %1 and press OK.</translation>
        </message>
        <message>
            <source>Готово</source>
            <translation>Done</translation>
        </message>
        <message>
            <source>Держите Anki открытым</source>
            <translation>Keep Anki open</translation>
        </message>
        <message>
            <source>Добавьте аддон AnkiConnect</source>
            <translation>Add the AnkiConnect add-on</translation>
        </message>
        <message>
            <source>Если в настройках AnkiConnect включена защита по API-ключу (Config → apiKey) — оставьте это поле пустым: Quillmoor пока не умеет его передавать.</source>
            <translation>If API-key protection is turned on in AnkiConnect's settings (Config → apiKey), leave that field empty: Quillmoor cannot send the key yet.</translation>
        </message>
        <message>
            <source>Колода с названием, указанным выше, создастся в Anki автоматически при первом сохранённом слове — вручную заводить её не нужно.</source>
            <translation>The deck named above is created in Anki automatically with the first word you save — no need to create it by hand.</translation>
        </message>
        <message>
            <source>Перезапустите Anki</source>
            <translation>Restart Anki</translation>
        </message>
        <message>
            <source>Пока карточки создаются по стандартному шаблону Anki «Basic» — если он удалён или переименован, сохранение будет выдавать ошибку. Мы уже работаем над тем, чтобы это улучшить.</source>
            <translation>For now, cards are created with Anki's standard “Basic” note type — if it has been deleted or renamed, saving will fail. We are already working on improving this.</translation>
        </message>
        <message>
            <source>Установите Anki</source>
            <translation>Install Anki</translation>
        </message>
    </context>
    <context>
        <name>AppSectionNavBar</name>
        <message>
            <source>Грамматика</source>
            <translation>Grammar</translation>
        </message>
        <message>
            <source>Как это работает</source>
            <translation>How it works</translation>
        </message>
        <message>
            <source>Настройки</source>
            <translation>Settings</translation>
        </message>
        <message>
            <source>Повторение</source>
            <translation>Review</translation>
        </message>
    </context>
    <context>
        <name>CaptureOverlayView</name>
        <message>
            <source>Добавить в Anki и Quillmoor</source>
            <translation>Add to Anki and Quillmoor</translation>
        </message>
        <message>
            <source>Добавлено в Anki и Quillmoor</source>
            <translation>Added to Anki and Quillmoor</translation>
        </message>
        <message>
            <source>Добавляем…</source>
            <translation>Adding…</translation>
        </message>
        <message>
            <source>Значение недоступно</source>
            <translation>Meaning unavailable</translation>
        </message>
        <message>
            <source>Не удалось — повторить</source>
            <translation>Failed — try again</translation>
        </message>
        <message>
            <source>Перевод недоступен</source>
            <translation>Translation unavailable</translation>
        </message>
        <message>
            <source>Уточняем перевод…</source>
            <translation>Refining the translation…</translation>
        </message>
    </context>
    <context>
        <name>CardDatabase</name>
        <message>
            <source>Не удалось создать локальное хранилище карточек: </source>
            <translation>Couldn't create the local card store: </translation>
        </message>
        <message>
            <source>файл %1 записан более новой версией Quillmoor (версия схемы %2, эта версия знает %3) и оставлен без изменений</source>
            <translation>the file %1 was written by a newer version of Quillmoor (schema version %2, this version knows %3) and was left unchanged</translation>
        </message>
    </context>
    <context>
        <name>CrashReportOffer</name>
        <message>
            <source>Quillmoor неожиданно завершился</source>
            <translation>Quillmoor quit unexpectedly</translation>
        </message>
        <message>
            <source>Отправить отчёт</source>
            <translation>Send Report</translation>
        </message>
        <message>
            <source>Отчёт о сбое сохранён. Отправьте его разработчикам, чтобы ошибку исправили.</source>
            <translation>A crash report was saved. Send it to the developers so the problem can be fixed.</translation>
        </message>
    </context>
    <context>
        <name>FeedbackService</name>
        <message>
            <source>Quillmoor — отзыв</source>
            <translation>Quillmoor — feedback</translation>
        </message>
    </context>
    <context>
        <name>ForgettingCurveDiagram</name>
        <message>
            <source>Без повторения</source>
            <translation>Without review</translation>
        </message>
        <message>
            <source>С повторением</source>
            <translation>With review</translation>
        </message>
    </context>
    <context>
        <name>GrammarAnalysisView</name>
        <message>
            <source>Анализируем предложение…</source>
            <translation>Analysing the sentence…</translation>
        </message>
        <message>
            <source>Грамматика верна</source>
            <translation>Grammar is correct</translation>
        </message>
        <message>
            <source>Закрыть</source>
            <translation>Close</translation>
        </message>
        <message>
            <source>Исправлено:</source>
            <translation>Corrected:</translation>
        </message>
        <message>
            <source>Не удалось проанализировать</source>
            <translation>Could not analyse the sentence</translation>
        </message>
        <message>
            <source>Повторить</source>
            <translation>Try again</translation>
        </message>
        <message>
            <source>Разбор грамматики</source>
            <translation>Grammar analysis</translation>
        </message>
        <message>
            <source>Разбор грамматики выполняет локальная языковая модель, но по адресу %1 никакой сервер модели не отвечает. Адрес задаётся в окне настроек, в разделе «Службы».</source>
            <translation>Grammar analysis runs on a local language model, but no model server answers at %1. You can set the address in the settings window, in the Services section.</translation>
        </message>
        <message>
            <source>Разбор грамматики доступен для двенадцати языков, которые можно изучать в Quillmoor. Язык этого предложения не удалось определить, или его среди них нет.</source>
            <translation>Grammar analysis is available for the twelve languages you can study in Quillmoor. The language of this sentence could not be identified, or it is not one of them.</translation>
        </message>
        <message>
            <source>Язык пока не поддерживается</source>
            <translation>Language not supported yet</translation>
        </message>
        <message>
            <source>Языковая модель недоступна</source>
            <translation>Language model unavailable</translation>
        </message>
    </context>
    <context>
        <name>GrammarCourseModel</name>
        <message>
            <source>Мои слова</source>
            <translation>My words</translation>
        </message>
    </context>
    <context>
        <name>GrammarPracticeView</name>
        <message>
            <source>%1 из %2 · %3</source>
            <translation>%1 of %2 · %3</translation>
        </message>
        <message>
            <source>Again</source>
            <translation>Again</translation>
        </message>
        <message>
            <source>Easy</source>
            <translation>Easy</translation>
        </message>
        <message>
            <source>Good</source>
            <translation>Good</translation>
        </message>
        <message>
            <source>Hard</source>
            <translation>Hard</translation>
        </message>
        <message>
            <source>Ваш ответ</source>
            <translation>Your answer</translation>
        </message>
        <message>
            <source>Верно!</source>
            <translation>Correct!</translation>
        </message>
        <message>
            <source>Всё повторено!</source>
            <translation>All caught up!</translation>
        </message>
        <message>
            <source>Ещё нет персональных заданий</source>
            <translation>No personal exercises yet</translation>
        </message>
        <message>
            <source>Не удалось сохранить оценку. Попробуйте ещё раз.</source>
            <translation>The rating could not be saved. Please try again.</translation>
        </message>
        <message>
            <source>Не удалось сохранить упражнения. Попробуйте ещё раз.</source>
            <translation>The exercises could not be saved. Please try again.</translation>
        </message>
        <message>
            <source>Неверно — правильный ответ: %1</source>
            <translation>Incorrect — the right answer is: %1</translation>
        </message>
        <message>
            <source>Новые задания появятся здесь, когда подойдёт время их повторить.</source>
            <translation>New exercises will appear here when it’s time to review them.</translation>
        </message>
        <message>
            <source>Проверить</source>
            <translation>Check</translation>
        </message>
        <message>
            <source>Сгенерировать</source>
            <translation>Generate</translation>
        </message>
        <message>
            <source>Сгенерируем несколько упражнений на основе слов, которые вы уже учите.</source>
            <translation>We’ll generate a few exercises from the words you’re already learning.</translation>
        </message>
        <message>
            <source>Сначала добавьте и повторите хотя бы одно слово в словарной колоде.</source>
            <translation>First add and review at least one word in your vocabulary deck.</translation>
        </message>
        <message>
            <source>Собранное предложение:</source>
            <translation>Your sentence:</translation>
        </message>
        <message>
            <source>Создаём упражнения…</source>
            <translation>Creating exercises…</translation>
        </message>
    </context>
    <context>
        <name>GrammarTheoryView</name>
        <message>
            <source>Закрыть</source>
            <translation>Close</translation>
        </message>
        <message>
            <source>Начать упражнения</source>
            <translation>Start exercises</translation>
        </message>
        <message>
            <source>Теория для этой темы пока не добавлена.</source>
            <translation>There is no theory for this topic yet.</translation>
        </message>
    </context>
    <context>
        <name>GrammarTopicRow</name>
        <message>
            <source>Теория: %1</source>
            <translation>Theory: %1</translation>
        </message>
    </context>
    <context>
        <name>GrammarView</name>
        <message>
            <source>Авто</source>
            <translation>Auto</translation>
        </message>
        <message>
            <source>Все темы уровня начаты</source>
            <translation>Every topic of this level started</translation>
        </message>
        <message>
            <source>Курс грамматики пока не готов для этого языка</source>
            <translation>The grammar course for this language isn’t ready yet</translation>
        </message>
        <message>
            <source>Мои слова</source>
            <translation>My words</translation>
        </message>
        <message>
            <source>Мы работаем над тем, чтобы это исправить. А пока попробуйте раздел «Мои слова» — упражнения на основе вашего словаря.</source>
            <translation>We’re working on it. Meanwhile, try “My words”: exercises built from your vocabulary.</translation>
        </message>
        <message>
            <source>Назад</source>
            <translation>Back</translation>
        </message>
        <message>
            <source>Ничего не нашлось по запросу "%1"</source>
            <translation>Nothing found for "%1"</translation>
        </message>
        <message>
            <source>Поиск темы</source>
            <translation>Search topics</translation>
        </message>
        <message>
            <source>Поиск темы — например, articles или артикли</source>
            <translation>Search topics, e.g. articles</translation>
        </message>
        <message>
            <source>Стрик: %1 🔥</source>
            <translation>Streak: %1 🔥</translation>
        </message>
        <message>
            <source>Язык изучения</source>
            <translation>Study language</translation>
        </message>
    </context>
    <context>
        <name>GrammarWindowController</name>
        <message>
            <source>Грамматика</source>
            <translation>Grammar</translation>
        </message>
    </context>
    <context>
        <name>HotkeyActions</name>
        <message>
            <source>Быстрый поиск</source>
            <translation>Quick lookup</translation>
        </message>
        <message>
            <source>Наведение на слово</source>
            <translation>Hover over a word</translation>
        </message>
        <message>
            <source>Перевод выделения</source>
            <translation>Translate selection</translation>
        </message>
        <message>
            <source>Проверка и объяснение грамматики выделения</source>
            <translation>Checks and explains the grammar of the selection</translation>
        </message>
        <message>
            <source>Работает при любой длине выделения</source>
            <translation>Works with a selection of any length</translation>
        </message>
        <message>
            <source>Разбор грамматики</source>
            <translation>Grammar analysis</translation>
        </message>
        <message>
            <source>Удерживать над словом</source>
            <translation>Hold over a word</translation>
        </message>
    </context>
    <context>
        <name>HotkeyRecorderView</name>
        <message>
            <source>Нажмите клавиши…</source>
            <translation>Press keys…</translation>
        </message>
        <message>
            <source>Эта комбинация уже занята другим действием</source>
            <translation>This combination is already used by another action</translation>
        </message>
        <message>
            <source>Эту клавишу нельзя назначить без модификатора (Ctrl, Alt, Shift, Super) — иначе она будет срабатывать при обычном наборе текста.</source>
            <translation>This key cannot be assigned without a modifier (Ctrl, Alt, Shift, Super) — otherwise it would fire during ordinary typing.</translation>
        </message>
        <message>
            <source>⏎ подтвердить · ⎋ отмена</source>
            <translation>⏎ confirm · ⎋ cancel</translation>
        </message>
    </context>
    <context>
        <name>LanguageDetector</name>
        <message>
            <source>По всей видимости, это %1 язык</source>
            <translation>This appears to be %1</translation>
        </message>
    </context>
    <context>
        <name>LanguageSettingsView</name>
        <message>
            <source>Anki</source>
            <translation>Anki</translation>
        </message>
        <message>
            <source>AnkiConnect</source>
            <translation>AnkiConnect</translation>
        </message>
        <message>
            <source>Meaning</source>
            <translation>Meaning</translation>
        </message>
        <message>
            <source>Meaning на языке оригинала</source>
            <translation>Meaning in the original language</translation>
        </message>
        <message>
            <source>Всё нужное уже установлено</source>
            <translation>Everything needed is already installed</translation>
        </message>
        <message>
            <source>Выключено</source>
            <translation>Off</translation>
        </message>
        <message>
            <source>Если есть карточки на повторение</source>
            <translation>If there are cards to review</translation>
        </message>
        <message>
            <source>Запускать Quillmoor при входе в систему</source>
            <translation>Start Quillmoor at login</translation>
        </message>
        <message>
            <source>Карточка</source>
            <translation>Card</translation>
        </message>
        <message>
            <source>Ключ сервера</source>
            <translation>Server key</translation>
        </message>
        <message>
            <source>Колода</source>
            <translation>Deck</translation>
        </message>
        <message>
            <source>Модель</source>
            <translation>Model</translation>
        </message>
        <message>
            <source>Модель картинок</source>
            <translation>Image model</translation>
        </message>
        <message>
            <source>Напоминать о повторении</source>
            <translation>Remind me to review</translation>
        </message>
        <message>
            <source>Не раньше</source>
            <translation>Not before</translation>
        </message>
        <message>
            <source>Нет ответа</source>
            <translation>No response</translation>
        </message>
        <message>
            <source>Нужны для перевода на устройстве</source>
            <translation>Needed for on-device translation</translation>
        </message>
        <message>
            <source>Отвечает</source>
            <translation>Responding</translation>
        </message>
        <message>
            <source>Отвечает · модели: %1</source>
            <translation>Responding · models: %1</translation>
        </message>
        <message>
            <source>Открываем…</source>
            <translation>Opening…</translation>
        </message>
        <message>
            <source>Перевод</source>
            <translation>Translation</translation>
        </message>
        <message>
            <source>Перевод на другой язык</source>
            <translation>Translation into another language</translation>
        </message>
        <message>
            <source>Проверяем…</source>
            <translation>Checking…</translation>
        </message>
        <message>
            <source>Размер</source>
            <translation>Size</translation>
        </message>
        <message>
            <source>Режим</source>
            <translation>Mode</translation>
        </message>
        <message>
            <source>Сервер картинок</source>
            <translation>Image server</translation>
        </message>
        <message>
            <source>Сервер перевода</source>
            <translation>Translation server</translation>
        </message>
        <message>
            <source>Скачать…</source>
            <translation>Download…</translation>
        </message>
        <message>
            <source>Службы</source>
            <translation>Services</translation>
        </message>
        <message>
            <source>Такой модели нет · есть: %1</source>
            <translation>No such model · available: %1</translation>
        </message>
        <message>
            <source>Уведомления</source>
            <translation>Notifications</translation>
        </message>
        <message>
            <source>Установите пакеты в терминале:</source>
            <translation>Install the packages in a terminal:</translation>
        </message>
        <message>
            <source>Установка… %1 %</source>
            <translation>Installing… %1 %</translation>
        </message>
        <message>
            <source>Установлено: %1</source>
            <translation>Installed: %1</translation>
        </message>
        <message>
            <source>Хоткеи</source>
            <translation>Hotkeys</translation>
        </message>
        <message>
            <source>Целевой язык глосс</source>
            <translation>Target language of glosses</translation>
        </message>
        <message>
            <source>Эта комбинация уже занята другим действием</source>
            <translation>This combination is already used by another action</translation>
        </message>
        <message>
            <source>Язык интерфейса</source>
            <translation>Interface language</translation>
        </message>
        <message>
            <source>Язык перевода</source>
            <translation>Translation language</translation>
        </message>
        <message>
            <source>Язык приложения</source>
            <translation>App language</translation>
        </message>
        <message>
            <source>Языковая модель</source>
            <translation>Language model</translation>
        </message>
        <message>
            <source>Языковые пакеты</source>
            <translation>Language packs</translation>
        </message>
        <message>
            <source>первая из списка</source>
            <translation>first in the list</translation>
        </message>
    </context>
    <context>
        <name>LookupCardModel</name>
        <message>
            <source>Для этой пары языков нужен сервер перевода или языковая модель (Настройки → Службы)</source>
            <translation>This language pair needs a translation server or a language model (Settings → Services)</translation>
        </message>
        <message>
            <source>Установите пакет %1, чтобы переводить эту пару языков</source>
            <translation>Install the %1 package to translate this language pair</translation>
        </message>
    </context>
    <context>
        <name>NoTrayWindow</name>
        <message>
            <source>Рабочий стол не показывает значки в трее. В GNOME их включает расширение AppIndicator (пакет %1).</source>
            <translation>The desktop shows no tray icons. In GNOME, the AppIndicator extension turns them on (package %1).</translation>
        </message>
    </context>
    <context>
        <name>NotificationService</name>
        <message>
            <source>Карточек на повторение: %1</source>
            <translation>Cards to review: %1</translation>
        </message>
        <message>
            <source>Пора повторить слова</source>
            <translation>Time to review your words</translation>
        </message>
        <message>
            <source>🏆 Новая награда: %1</source>
            <translation>🏆 New award: %1</translation>
        </message>
    </context>
    <context>
        <name>OnboardingView</name>
        <message>
            <source>Quillmoor устроен вокруг погружения: вы наводите курсор на слово прямо там, где встретили его — в статье, субтитрах, переписке — и продолжаете читать, не выпадая из процесса. Слово запоминается вместе с контекстом, в котором вы его увидели, а не как оторванная карточка — именно так и формируется естественное чувство языка.</source>
            <translation>Quillmoor is built around immersion: you point at a word right where you met it — in an article, subtitles, a chat — and keep reading without breaking your flow. The word is remembered together with the context you saw it in, not as a detached card — and that is exactly how a natural feel for the language develops.</translation>
        </message>
        <message>
            <source>Без повторения память о новом слове угасает уже за несколько дней — это называют кривой забывания. Но если повторить слово в нужный момент, каждое следующее забывание идёт медленнее, а память закрепляется надолго.</source>
            <translation>Without review, the memory of a new word fades within a few days — this is called the forgetting curve. But if you review the word at the right moment, each time you forget more slowly, and the memory lasts for a long time.</translation>
        </message>
        <message>
            <source>Браузер, PDF, субтитры видео, даже игры и изображения — слово распознаётся прямо с экрана. Можно и ввести слово или предложение вручную через Быстрый поиск по отдельной горячей клавише.</source>
            <translation>Browser, PDF, video subtitles, even games and images — the word is recognised straight from the screen. You can also type a word or sentence yourself in Quick lookup, with its own hotkey.</translation>
        </message>
        <message>
            <source>Выберите язык интерфейса</source>
            <translation>Choose the interface language</translation>
        </message>
        <message>
            <source>Горячие клавиши</source>
            <translation>Hotkeys</translation>
        </message>
        <message>
            <source>Далее</source>
            <translation>Next</translation>
        </message>
        <message>
            <source>Добро пожаловать в Quillmoor</source>
            <translation>Welcome to Quillmoor</translation>
        </message>
        <message>
            <source>Ищите Quillmoor в области уведомлений</source>
            <translation>Find Quillmoor in the notification area</translation>
        </message>
        <message>
            <source>Как работает интервальное повторение</source>
            <translation>How spaced repetition works</translation>
        </message>
        <message>
            <source>Можно изменить позже в настройках</source>
            <translation>You can change it later in the settings</translation>
        </message>
        <message>
            <source>Наведите курсор на любое слово в любом приложении и зажмите клавишу-триггер (по умолчанию Alt) — рядом появится перевод, произношение и этимология, без переключения окон.</source>
            <translation>Point at any word in any app and hold the trigger key (Alt by default) — a translation, pronunciation and etymology appear right beside it, without switching windows.</translation>
        </message>
        <message>
            <source>Назад</source>
            <translation>Back</translation>
        </message>
        <message>
            <source>Одним кликом добавляйте слова в Anki — бесплатное приложение, которое само планирует повторения: показывает карточку именно тогда, когда вы вот-вот забудете слово, и раздвигает интервал, если вы её помните.</source>
            <translation>Add words to Anki with one click — a free app that plans your reviews for you: it shows a card just when you are about to forget the word, and widens the interval if you remember it.</translation>
        </message>
        <message>
            <source>Перевод слова с учётом контекста всего предложения, транскрипция и произношение вслух, этимология — и картинка, иллюстрирующая смысл. Всё сразу, одним наведением, плюс кнопка добавить карточку в Anki.</source>
            <translation>The word's translation in the context of the whole sentence, a transcription and pronunciation aloud, the etymology — and a picture that illustrates the meaning. All at once, with a single hover, plus a button to add the card to Anki.</translation>
        </message>
        <message>
            <source>Погружение (immersion) — это изучение языка через настоящий контент на нём: статьи, видео, переписку, игры, а не через изолированные упражнения и списки слов из учебника. Мозг запоминает лучше, когда слово встречается в живом контексте, а не в отрыве от него.</source>
            <translation>Immersion means learning a language through real content in it — articles, videos, chats, games — rather than isolated exercises and word lists from a textbook. The brain remembers better when a word comes up in a living context, not on its own.</translation>
        </message>
        <message>
            <source>Почему мы забываем</source>
            <translation>Why we forget</translation>
        </message>
        <message>
            <source>Почему это так важно</source>
            <translation>Why it matters so much</translation>
        </message>
        <message>
            <source>Приступить к изучению</source>
            <translation>Start learning</translation>
        </message>
        <message>
            <source>Работает где угодно</source>
            <translation>Works anywhere</translation>
        </message>
        <message>
            <source>У Quillmoor нет окна на панели задач — приложение живёт в области уведомлений (трее), значок «QM» обычно в углу верхней или нижней панели. Оттуда доступно всё: Повторение, Разбор грамматики, Настройки, Быстрый поиск. В GNOME значки трея видны только с расширением AppIndicator (пакет gnome-shell-extension-appindicator); без него Quillmoor открывает небольшое окно с теми же командами. Дополнительную информацию о настройке Anki вы сможете найти в настройках.</source>
            <translation>Quillmoor has no taskbar window — it lives in the notification area (the tray), and its “QM” icon is usually in a corner of the top or bottom panel. Everything is there: Review, Grammar analysis, Settings, Quick lookup. In GNOME, tray icons only show with the AppIndicator extension (package gnome-shell-extension-appindicator); without it Quillmoor opens a small window with the same commands. You will find more about setting up Anki in the settings.</translation>
        </message>
        <message>
            <source>У каждого способа взаимодействия своя горячая клавиша: Alt — навести на слово, Ctrl+Alt — перевести выделение, Super+Shift — быстрый поиск, Ctrl+Alt+Shift — разбор грамматики. Если какая-то из них конфликтует с другими приложениями на компьютере — поменяйте её в любой момент в Настройках → Хоткеи: кликните на комбинацию и нажмите новую.</source>
            <translation>Each way of using Quillmoor has its own hotkey: Alt — point at a word, Ctrl+Alt — translate the selection, Super+Shift — quick lookup, Ctrl+Alt+Shift — grammar analysis. If one of them clashes with other apps on your computer, change it at any time in Settings → Hotkeys: click the combination and press a new one.</translation>
        </message>
        <message>
            <source>Что показывает карточка</source>
            <translation>What the card shows</translation>
        </message>
        <message>
            <source>Что такое погружение</source>
            <translation>What immersion is</translation>
        </message>
        <message>
            <source>рекомендуем</source>
            <translation>recommended</translation>
        </message>
    </context>
    <context>
        <name>PageDots</name>
        <message>
            <source>Страница %1 из %2</source>
            <translation>Page %1 of %2</translation>
        </message>
    </context>
    <context>
        <name>QuickLookupView</name>
        <message>
            <source>Слово или предложение…</source>
            <translation>Word or sentence…</translation>
        </message>
    </context>
    <context>
        <name>ReviewCardView</name>
        <message>
            <source>Произношение</source>
            <translation>Pronunciation</translation>
        </message>
    </context>
    <context>
        <name>ReviewView</name>
        <message>
            <source>%1 из %2</source>
            <translation>%1 of %2</translation>
        </message>
        <message>
            <source>Все колоды</source>
            <translation>All decks</translation>
        </message>
        <message>
            <source>Всё повторено!</source>
            <translation>All caught up!</translation>
        </message>
        <message>
            <source>Легко</source>
            <translation>Easy</translation>
        </message>
        <message>
            <source>Награды</source>
            <translation>Achievements</translation>
        </message>
        <message>
            <source>Не удалось сохранить оценку. Попробуйте ещё раз.</source>
            <translation>The rating could not be saved. Please try again.</translation>
        </message>
        <message>
            <source>Новые карточки появятся здесь, когда подойдёт время их повторить.</source>
            <translation>New cards will appear here when it is time to review them.</translation>
        </message>
        <message>
            <source>Повтор</source>
            <translation>Review</translation>
        </message>
        <message>
            <source>Показать ответ</source>
            <translation>Show Answer</translation>
        </message>
        <message>
            <source>Снова</source>
            <translation>Again</translation>
        </message>
        <message>
            <source>Статистика</source>
            <translation>Statistics</translation>
        </message>
        <message>
            <source>Трудно</source>
            <translation>Hard</translation>
        </message>
        <message>
            <source>Хорошо</source>
            <translation>Good</translation>
        </message>
    </context>
    <context>
        <name>ReviewWindowController</name>
        <message>
            <source>Повторение</source>
            <translation>Review</translation>
        </message>
    </context>
    <context>
        <name>SessionCheck</name>
        <message>
            <source>Quillmoor работает в сеансах X11. В сеансе Wayland сочетания клавиш и захват слов под указателем недоступны; окна приложения работают как обычно. Чтобы пользоваться Quillmoor полностью, войдите в сеанс Xorg.</source>
            <translation>Quillmoor works in X11 sessions. In a Wayland session, shortcuts and capturing the word under the pointer are unavailable; the app's windows work as usual. To use Quillmoor fully, log in to an Xorg session.</translation>
        </message>
    </context>
    <context>
        <name>StatsFormat</name>
        <message>
            <source>Изучено %1 за %2 минут сегодня (%3 с/карточка)</source>
            <translation>Studied %1 in %2 minutes today (%3 s/card)</translation>
        </message>
        <message>
            <source>Сегодня повторений ещё не было</source>
            <translation>No reviews yet today</translation>
        </message>
        <message>
            <source>дн.</source>
            <translation>d</translation>
        </message>
    </context>
    <context>
        <name>StatsView</name>
        <message>
            <source>В изучении</source>
            <translation>Learning</translation>
        </message>
        <message>
            <source>Освоено</source>
            <translation>Mastered</translation>
        </message>
        <message>
            <source>Повторения за 16 недель</source>
            <translation>Reviews over 16 weeks</translation>
        </message>
        <message>
            <source>Скоро на повторение</source>
            <translation>Coming up for review</translation>
        </message>
        <message>
            <source>Средний интервал</source>
            <translation>Average interval</translation>
        </message>
        <message>
            <source>Успешно за 30 дней</source>
            <translation>Success, 30 days</translation>
        </message>
    </context>
    <context>
        <name>TrayIconController</name>
        <message>
            <source>Language Settings…</source>
            <translation>Language Settings…</translation>
        </message>
        <message>
            <source>QM</source>
            <translation>QM</translation>
        </message>
        <message>
            <source>Quick Lookup…</source>
            <translation>Quick Lookup…</translation>
        </message>
        <message>
            <source>Quit</source>
            <translation>Quit</translation>
        </message>
        <message>
            <source>Грамматика…</source>
            <translation>Grammar…</translation>
        </message>
        <message>
            <source>Как это работает…</source>
            <translation>How It Works…</translation>
        </message>
        <message>
            <source>Отправить фидбек…</source>
            <translation>Send Feedback…</translation>
        </message>
        <message>
            <source>Повторение…</source>
            <translation>Review…</translation>
        </message>
    </context>
</TS>
