<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="ru_RU">
    <context>
        <name>AccessibilityPrompt</name>
        <message>
            <source>Включить</source>
            <translation>开启</translation>
        </message>
        <message>
            <source>Включить её сейчас? Приложения, запущенные раньше, нужно будет перезапустить, чтобы Quillmoor мог читать их текст.</source>
            <translation>现在开启吗？之前已启动的应用程序需要重新启动，Quillmoor 才能读取其中的文字。</translation>
        </message>
        <message>
            <source>Не сейчас</source>
            <translation>以后再说</translation>
        </message>
        <message>
            <source>Не удалось включить службу специальных возможностей.</source>
            <translation>无法开启辅助功能服务。</translation>
        </message>
        <message>
            <source>Чтобы читать слово под указателем, Quillmoor нужна служба специальных возможностей (AT-SPI), а она выключена.</source>
            <translation>Quillmoor 需要辅助功能服务（AT-SPI）才能读取指针下的单词，但该服务目前已关闭。</translation>
        </message>
    </context>
    <context>
        <name>AchievementCatalog</name>
        <message>
            <source>10 освоенных слов</source>
            <translation>掌握 10 个单词</translation>
        </message>
        <message>
            <source>10 повторений</source>
            <translation>复习 10 次</translation>
        </message>
        <message>
            <source>100 дней подряд</source>
            <translation>连续 100 天</translation>
        </message>
        <message>
            <source>100 освоенных слов</source>
            <translation>掌握 100 个单词</translation>
        </message>
        <message>
            <source>100 повторений</source>
            <translation>复习 100 次</translation>
        </message>
        <message>
            <source>1000 повторений</source>
            <translation>复习 1000 次</translation>
        </message>
        <message>
            <source>3 дня подряд</source>
            <translation>连续 3 天</translation>
        </message>
        <message>
            <source>30 дней подряд</source>
            <translation>连续 30 天</translation>
        </message>
        <message>
            <source>50 карточек добавлено</source>
            <translation>已添加 50 张卡片</translation>
        </message>
        <message>
            <source>7 дней подряд</source>
            <translation>连续 7 天</translation>
        </message>
        <message>
            <source>Все темы уровня A1 пройдены</source>
            <translation>A1 级全部主题已完成</translation>
        </message>
        <message>
            <source>Все темы уровня A2 пройдены</source>
            <translation>A2 级全部主题已完成</translation>
        </message>
        <message>
            <source>Все темы уровня B1 пройдены</source>
            <translation>B1 级全部主题已完成</translation>
        </message>
        <message>
            <source>Грамматика: A1</source>
            <translation>语法：A1</translation>
        </message>
        <message>
            <source>Грамматика: A2</source>
            <translation>语法：A2</translation>
        </message>
        <message>
            <source>Грамматика: B1</source>
            <translation>语法：B1</translation>
        </message>
        <message>
            <source>Железная воля</source>
            <translation>钢铁意志</translation>
        </message>
        <message>
            <source>Коллекционер</source>
            <translation>收藏家</translation>
        </message>
        <message>
            <source>Марафонец</source>
            <translation>马拉松选手</translation>
        </message>
        <message>
            <source>Месяц привычки</source>
            <translation>养成习惯一个月</translation>
        </message>
        <message>
            <source>Набираем обороты</source>
            <translation>渐入快车道</translation>
        </message>
        <message>
            <source>Начало пути</source>
            <translation>踏上旅程</translation>
        </message>
        <message>
            <source>Неделя силы</source>
            <translation>坚持一周</translation>
        </message>
        <message>
            <source>Первая карточка</source>
            <translation>第一张卡片</translation>
        </message>
        <message>
            <source>Первые шаги</source>
            <translation>初出茅庐</translation>
        </message>
        <message>
            <source>Первый багаж</source>
            <translation>初有积累</translation>
        </message>
        <message>
            <source>Разогрелись</source>
            <translation>渐入佳境</translation>
        </message>
        <message>
            <source>Словарный запас</source>
            <translation>词汇量</translation>
        </message>
    </context>
    <context>
        <name>AchievementTile</name>
        <message>
            <source>ещё не получена</source>
            <translation>尚未获得</translation>
        </message>
        <message>
            <source>получена</source>
            <translation>已获得</translation>
        </message>
    </context>
    <context>
        <name>AchievementsView</name>
        <message>
            <source>Открыто %1 из %2</source>
            <translation>已解锁 %1 / %2</translation>
        </message>
    </context>
    <context>
        <name>AnkiAddAction</name>
        <message>
            <source>Не удалось сохранить карточку в Quillmoor.</source>
            <translation>无法在 Quillmoor 中保存卡片。</translation>
        </message>
    </context>
    <context>
        <name>AnkiConnectError</name>
        <message>
            <source>Anki вернул ошибку: %1</source>
            <translation>Anki 返回了错误：%1</translation>
        </message>
        <message>
            <source>Anki прислал неожиданный ответ.</source>
            <translation>Anki 返回了意外的响应。</translation>
        </message>
        <message>
            <source>Не удалось подключиться к Anki. Убедись, что Anki запущен и установлен аддон AnkiConnect.</source>
            <translation>无法连接到 Anki。请确认 Anki 正在运行，并已安装 AnkiConnect 插件。</translation>
        </message>
    </context>
    <context>
        <name>AnkiGuideDisclosureRow</name>
        <message>
            <source>Как подключить Anki к Quillmoor</source>
            <translation>如何将 Anki 连接到 Quillmoor</translation>
        </message>
    </context>
    <context>
        <name>AnkiSetupGuide</name>
        <message>
            <source>AnkiConnect работает, только пока запущено само приложение Anki — можно свернуть его в фон, но не закрывать, пока пользуетесь Quillmoor.</source>
            <translation>AnkiConnect 只在 Anki 本身运行时工作——可以把它最小化到后台，但使用 Quillmoor 时不要关闭它。</translation>
        </message>
        <message>
            <source>Аддон включается только после перезапуска — закройте Anki и откройте снова.</source>
            <translation>插件只有在重启后才会生效——请关闭 Anki 后重新打开。</translation>
        </message>
        <message>
            <source>Бесплатное приложение для карточек с интервальным повторением. Скачайте на %1, если его ещё нет, и запустите хотя бы раз.</source>
            <translation>免费的间隔重复记忆卡片应用。如果还没有安装，请从 %1 下载，并至少启动一次。</translation>
        </message>
        <message>
            <source>В Anki: Tools → Add-ons → Get Add-ons…, введите код %1 и нажмите OK.</source>
            <translation>在 Anki 中：Tools → Add-ons → Get Add-ons…，输入代码 %1 并点击 OK。</translation>
        </message>
        <message>
            <source>Готово</source>
            <translation>完成</translation>
        </message>
        <message>
            <source>Держите Anki открытым</source>
            <translation>保持 Anki 运行</translation>
        </message>
        <message>
            <source>Добавьте аддон AnkiConnect</source>
            <translation>添加 AnkiConnect 插件</translation>
        </message>
        <message>
            <source>Если в настройках AnkiConnect включена защита по API-ключу (Config → apiKey) — оставьте это поле пустым: Quillmoor пока не умеет его передавать.</source>
            <translation>如果在 AnkiConnect 设置中启用了 API 密钥保护（Config → apiKey），请将该字段留空：Quillmoor 暂时还不能发送密钥。</translation>
        </message>
        <message>
            <source>Колода с названием, указанным выше, создастся в Anki автоматически при первом сохранённом слове — вручную заводить её не нужно.</source>
            <translation>上面填写名称的牌组会在你保存第一个单词时自动在 Anki 中创建——无需手动新建。</translation>
        </message>
        <message>
            <source>Перезапустите Anki</source>
            <translation>重启 Anki</translation>
        </message>
        <message>
            <source>Пока карточки создаются по стандартному шаблону Anki «Basic» — если он удалён или переименован, сохранение будет выдавать ошибку. Мы уже работаем над тем, чтобы это улучшить.</source>
            <translation>目前卡片使用 Anki 的标准笔记类型“Basic”创建——如果它被删除或改名，保存时会出错。我们正在努力改进这一点。</translation>
        </message>
        <message>
            <source>Установите Anki</source>
            <translation>安装 Anki</translation>
        </message>
    </context>
    <context>
        <name>AppSectionNavBar</name>
        <message>
            <source>Грамматика</source>
            <translation>语法</translation>
        </message>
        <message>
            <source>Как это работает</source>
            <translation>使用说明</translation>
        </message>
        <message>
            <source>Настройки</source>
            <translation>设置</translation>
        </message>
        <message>
            <source>Повторение</source>
            <translation>复习</translation>
        </message>
    </context>
    <context>
        <name>CaptureOverlayView</name>
        <message>
            <source>Добавить в Anki и Quillmoor</source>
            <translation>添加到 Anki 和 Quillmoor</translation>
        </message>
        <message>
            <source>Добавлено в Anki и Quillmoor</source>
            <translation>已添加到 Anki 和 Quillmoor</translation>
        </message>
        <message>
            <source>Добавляем…</source>
            <translation>正在添加…</translation>
        </message>
        <message>
            <source>Значение недоступно</source>
            <translation>无法获取释义</translation>
        </message>
        <message>
            <source>Не удалось — повторить</source>
            <translation>失败——重试</translation>
        </message>
        <message>
            <source>Перевод недоступен</source>
            <translation>无法翻译</translation>
        </message>
        <message>
            <source>Уточняем перевод…</source>
            <translation>正在优化译文…</translation>
        </message>
    </context>
    <context>
        <name>CardDatabase</name>
        <message>
            <source>Не удалось создать локальное хранилище карточек: </source>
            <translation>无法创建本地卡片存储：</translation>
        </message>
        <message>
            <source>файл %1 записан более новой версией Quillmoor (версия схемы %2, эта версия знает %3) и оставлен без изменений</source>
            <translation>文件 %1 由更新版本的 Quillmoor 写入（架构版本 %2，当前版本支持 %3），已保持原样</translation>
        </message>
    </context>
    <context>
        <name>CrashReportOffer</name>
        <message>
            <source>Quillmoor неожиданно завершился</source>
            <translation>Quillmoor 意外退出</translation>
        </message>
        <message>
            <source>Отправить отчёт</source>
            <translation>发送报告</translation>
        </message>
        <message>
            <source>Отчёт о сбое сохранён. Отправьте его разработчикам, чтобы ошибку исправили.</source>
            <translation>崩溃报告已保存。请将其发送给开发者，以便修复问题。</translation>
        </message>
    </context>
    <context>
        <name>FeedbackService</name>
        <message>
            <source>Quillmoor — отзыв</source>
            <translation>Quillmoor — 反馈</translation>
        </message>
    </context>
    <context>
        <name>ForgettingCurveDiagram</name>
        <message>
            <source>Без повторения</source>
            <translation>无复习</translation>
        </message>
        <message>
            <source>С повторением</source>
            <translation>有复习</translation>
        </message>
    </context>
    <context>
        <name>GrammarAnalysisView</name>
        <message>
            <source>Анализируем предложение…</source>
            <translation>正在分析句子…</translation>
        </message>
        <message>
            <source>Грамматика верна</source>
            <translation>语法正确</translation>
        </message>
        <message>
            <source>Закрыть</source>
            <translation>关闭</translation>
        </message>
        <message>
            <source>Исправлено:</source>
            <translation>已更正：</translation>
        </message>
        <message>
            <source>Не удалось проанализировать</source>
            <translation>无法分析</translation>
        </message>
        <message>
            <source>Повторить</source>
            <translation>重试</translation>
        </message>
        <message>
            <source>Разбор грамматики</source>
            <translation>语法分析</translation>
        </message>
        <message>
            <source>Разбор грамматики выполняет локальная языковая модель, но по адресу %1 никакой сервер модели не отвечает. Адрес задаётся в окне настроек, в разделе «Службы».</source>
            <translation>语法分析由本地语言模型完成，但 %1 上没有模型服务器响应。可以在设置窗口的“服务”部分设置该地址。</translation>
        </message>
        <message>
            <source>Разбор грамматики доступен для двенадцати языков, которые можно изучать в Quillmoor. Язык этого предложения не удалось определить, или его среди них нет.</source>
            <translation>语法分析适用于可在 Quillmoor 中学习的十二种语言。无法识别这句话的语言，或者它不在其中。</translation>
        </message>
        <message>
            <source>Язык пока не поддерживается</source>
            <translation>暂不支持该语言</translation>
        </message>
        <message>
            <source>Языковая модель недоступна</source>
            <translation>语言模型不可用</translation>
        </message>
    </context>
    <context>
        <name>GrammarCourseModel</name>
        <message>
            <source>Мои слова</source>
            <translation>我的词汇</translation>
        </message>
    </context>
    <context>
        <name>GrammarPracticeView</name>
        <message>
            <source>%1 из %2 · %3</source>
            <translation>第 %1 / %2 题 · %3</translation>
        </message>
        <message>
            <source>Again</source>
            <translation>重来</translation>
        </message>
        <message>
            <source>Easy</source>
            <translation>简单</translation>
        </message>
        <message>
            <source>Good</source>
            <translation>良好</translation>
        </message>
        <message>
            <source>Hard</source>
            <translation>困难</translation>
        </message>
        <message>
            <source>Ваш ответ</source>
            <translation>你的答案</translation>
        </message>
        <message>
            <source>Верно!</source>
            <translation>正确！</translation>
        </message>
        <message>
            <source>Всё повторено!</source>
            <translation>全部复习完了！</translation>
        </message>
        <message>
            <source>Ещё нет персональных заданий</source>
            <translation>还没有个性化练习</translation>
        </message>
        <message>
            <source>Не удалось сохранить оценку. Попробуйте ещё раз.</source>
            <translation>评分未能保存，请重试。</translation>
        </message>
        <message>
            <source>Не удалось сохранить упражнения. Попробуйте ещё раз.</source>
            <translation>练习未能保存，请重试。</translation>
        </message>
        <message>
            <source>Неверно — правильный ответ: %1</source>
            <translation>错误——正确答案是：%1</translation>
        </message>
        <message>
            <source>Новые задания появятся здесь, когда подойдёт время их повторить.</source>
            <translation>到复习时间时，新的练习会出现在这里。</translation>
        </message>
        <message>
            <source>Проверить</source>
            <translation>检查</translation>
        </message>
        <message>
            <source>Сгенерировать</source>
            <translation>生成</translation>
        </message>
        <message>
            <source>Сгенерируем несколько упражнений на основе слов, которые вы уже учите.</source>
            <translation>我们会根据你正在学习的单词生成几道练习。</translation>
        </message>
        <message>
            <source>Сначала добавьте и повторите хотя бы одно слово в словарной колоде.</source>
            <translation>请先在词汇卡组中添加并复习至少一个单词。</translation>
        </message>
        <message>
            <source>Собранное предложение:</source>
            <translation>拼好的句子：</translation>
        </message>
        <message>
            <source>Создаём упражнения…</source>
            <translation>正在生成练习…</translation>
        </message>
    </context>
    <context>
        <name>GrammarTheoryView</name>
        <message>
            <source>Закрыть</source>
            <translation>关闭</translation>
        </message>
        <message>
            <source>Начать упражнения</source>
            <translation>开始练习</translation>
        </message>
        <message>
            <source>Теория для этой темы пока не добавлена.</source>
            <translation>此主题暂无理论讲解。</translation>
        </message>
    </context>
    <context>
        <name>GrammarTopicRow</name>
        <message>
            <source>Теория: %1</source>
            <translation>理论：%1</translation>
        </message>
    </context>
    <context>
        <name>GrammarView</name>
        <message>
            <source>Авто</source>
            <translation>自动</translation>
        </message>
        <message>
            <source>Все темы уровня начаты</source>
            <translation>本级别所有主题均已开始</translation>
        </message>
        <message>
            <source>Курс грамматики пока не готов для этого языка</source>
            <translation>该语言的语法课程尚未准备好</translation>
        </message>
        <message>
            <source>Мои слова</source>
            <translation>我的词汇</translation>
        </message>
        <message>
            <source>Мы работаем над тем, чтобы это исправить. А пока попробуйте раздел «Мои слова» — упражнения на основе вашего словаря.</source>
            <translation>我们正在努力完善。在此之前，不妨试试“我的词汇”——根据你的词汇生成的练习。</translation>
        </message>
        <message>
            <source>Назад</source>
            <translation>返回</translation>
        </message>
        <message>
            <source>Ничего не нашлось по запросу "%1"</source>
            <translation>未找到与“%1”相关的内容</translation>
        </message>
        <message>
            <source>Поиск темы</source>
            <translation>搜索主题</translation>
        </message>
        <message>
            <source>Поиск темы — например, articles или артикли</source>
            <translation>搜索主题，例如 articles</translation>
        </message>
        <message>
            <source>Стрик: %1 🔥</source>
            <translation>连续：%1 🔥</translation>
        </message>
        <message>
            <source>Язык изучения</source>
            <translation>学习语言</translation>
        </message>
    </context>
    <context>
        <name>GrammarWindowController</name>
        <message>
            <source>Грамматика</source>
            <translation>语法</translation>
        </message>
    </context>
    <context>
        <name>HotkeyActions</name>
        <message>
            <source>Быстрый поиск</source>
            <translation>快速查询</translation>
        </message>
        <message>
            <source>Наведение на слово</source>
            <translation>悬停取词</translation>
        </message>
        <message>
            <source>Перевод выделения</source>
            <translation>翻译所选内容</translation>
        </message>
        <message>
            <source>Проверка и объяснение грамматики выделения</source>
            <translation>检查并讲解所选内容的语法</translation>
        </message>
        <message>
            <source>Работает при любой длине выделения</source>
            <translation>适用于任意长度的选区</translation>
        </message>
        <message>
            <source>Разбор грамматики</source>
            <translation>语法分析</translation>
        </message>
        <message>
            <source>Удерживать над словом</source>
            <translation>在单词上按住</translation>
        </message>
    </context>
    <context>
        <name>HotkeyRecorderView</name>
        <message>
            <source>Нажмите клавиши…</source>
            <translation>请按键…</translation>
        </message>
        <message>
            <source>Эта комбинация уже занята другим действием</source>
            <translation>此组合已被其他操作占用</translation>
        </message>
        <message>
            <source>Эту клавишу нельзя назначить без модификатора (Ctrl, Alt, Shift, Super) — иначе она будет срабатывать при обычном наборе текста.</source>
            <translation>此键不能在没有修饰键（Ctrl、Alt、Shift、Super）的情况下分配，否则在正常打字时会被触发。</translation>
        </message>
        <message>
            <source>⏎ подтвердить · ⎋ отмена</source>
            <translation>⏎ 确认 · ⎋ 取消</translation>
        </message>
    </context>
    <context>
        <name>LanguageDetector</name>
        <message>
            <source>По всей видимости, это %1 язык</source>
            <translation>这似乎是%1</translation>
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
            <translation>释义</translation>
        </message>
        <message>
            <source>Meaning на языке оригинала</source>
            <translation>用原语言解释词义</translation>
        </message>
        <message>
            <source>Всё нужное уже установлено</source>
            <translation>所需内容均已安装</translation>
        </message>
        <message>
            <source>Выключено</source>
            <translation>已关闭</translation>
        </message>
        <message>
            <source>Если есть карточки на повторение</source>
            <translation>如有待复习的卡片</translation>
        </message>
        <message>
            <source>Запускать Quillmoor при входе в систему</source>
            <translation>登录时启动 Quillmoor</translation>
        </message>
        <message>
            <source>Карточка</source>
            <translation>卡片</translation>
        </message>
        <message>
            <source>Ключ сервера</source>
            <translation>服务器密钥</translation>
        </message>
        <message>
            <source>Колода</source>
            <translation>牌组</translation>
        </message>
        <message>
            <source>Модель</source>
            <translation>模型</translation>
        </message>
        <message>
            <source>Модель картинок</source>
            <translation>图片模型</translation>
        </message>
        <message>
            <source>Напоминать о повторении</source>
            <translation>提醒我复习</translation>
        </message>
        <message>
            <source>Не раньше</source>
            <translation>不早于</translation>
        </message>
        <message>
            <source>Нет ответа</source>
            <translation>无响应</translation>
        </message>
        <message>
            <source>Нужны для перевода на устройстве</source>
            <translation>本机翻译所需</translation>
        </message>
        <message>
            <source>Отвечает</source>
            <translation>有响应</translation>
        </message>
        <message>
            <source>Отвечает · модели: %1</source>
            <translation>有响应 · 模型：%1</translation>
        </message>
        <message>
            <source>Открываем…</source>
            <translation>正在打开…</translation>
        </message>
        <message>
            <source>Перевод</source>
            <translation>翻译</translation>
        </message>
        <message>
            <source>Перевод на другой язык</source>
            <translation>翻译成另一种语言</translation>
        </message>
        <message>
            <source>Проверяем…</source>
            <translation>正在检查…</translation>
        </message>
        <message>
            <source>Размер</source>
            <translation>大小</translation>
        </message>
        <message>
            <source>Режим</source>
            <translation>模式</translation>
        </message>
        <message>
            <source>Сервер картинок</source>
            <translation>图片服务器</translation>
        </message>
        <message>
            <source>Сервер перевода</source>
            <translation>翻译服务器</translation>
        </message>
        <message>
            <source>Скачать…</source>
            <translation>下载…</translation>
        </message>
        <message>
            <source>Службы</source>
            <translation>服务</translation>
        </message>
        <message>
            <source>Такой модели нет · есть: %1</source>
            <translation>没有该模型 · 可用：%1</translation>
        </message>
        <message>
            <source>Уведомления</source>
            <translation>通知</translation>
        </message>
        <message>
            <source>Установите пакеты в терминале:</source>
            <translation>请在终端中安装这些软件包：</translation>
        </message>
        <message>
            <source>Установка… %1 %</source>
            <translation>正在安装… %1 %</translation>
        </message>
        <message>
            <source>Установлено: %1</source>
            <translation>已安装：%1</translation>
        </message>
        <message>
            <source>Хоткеи</source>
            <translation>快捷键</translation>
        </message>
        <message>
            <source>Целевой язык глосс</source>
            <translation>释义的目标语言</translation>
        </message>
        <message>
            <source>Эта комбинация уже занята другим действием</source>
            <translation>此组合已被其他操作占用</translation>
        </message>
        <message>
            <source>Язык интерфейса</source>
            <translation>界面语言</translation>
        </message>
        <message>
            <source>Язык перевода</source>
            <translation>翻译语言</translation>
        </message>
        <message>
            <source>Язык приложения</source>
            <translation>应用语言</translation>
        </message>
        <message>
            <source>Языковая модель</source>
            <translation>语言模型</translation>
        </message>
        <message>
            <source>Языковые пакеты</source>
            <translation>语言包</translation>
        </message>
        <message>
            <source>первая из списка</source>
            <translation>列表中的第一个</translation>
        </message>
    </context>
    <context>
        <name>LookupCardModel</name>
        <message>
            <source>Для этой пары языков нужен сервер перевода или языковая модель (Настройки → Службы)</source>
            <translation>这对语言需要翻译服务器或语言模型（设置 → 服务）</translation>
        </message>
        <message>
            <source>Установите пакет %1, чтобы переводить эту пару языков</source>
            <translation>安装 %1 软件包即可翻译这对语言</translation>
        </message>
    </context>
    <context>
        <name>NoTrayWindow</name>
        <message>
            <source>Рабочий стол не показывает значки в трее. В GNOME их включает расширение AppIndicator (пакет %1).</source>
            <translation>桌面不显示托盘图标。在 GNOME 中，可通过 AppIndicator 扩展启用它们（软件包 %1）。</translation>
        </message>
    </context>
    <context>
        <name>NotificationService</name>
        <message>
            <source>Карточек на повторение: %1</source>
            <translation>待复习卡片：%1</translation>
        </message>
        <message>
            <source>Пора повторить слова</source>
            <translation>该复习单词了</translation>
        </message>
        <message>
            <source>🏆 Новая награда: %1</source>
            <translation>🏆 新成就：%1</translation>
        </message>
    </context>
    <context>
        <name>OnboardingView</name>
        <message>
            <source>Quillmoor устроен вокруг погружения: вы наводите курсор на слово прямо там, где встретили его — в статье, субтитрах, переписке — и продолжаете читать, не выпадая из процесса. Слово запоминается вместе с контекстом, в котором вы его увидели, а не как оторванная карточка — именно так и формируется естественное чувство языка.</source>
            <translation>Quillmoor 围绕沉浸式学习而设计：你在遇到单词的地方——文章、字幕、聊天中——直接把光标移上去，然后继续阅读，不会打断思路。单词会连同你看到它时的语境一起被记住，而不是一张孤立的卡片——自然的语感正是这样形成的。</translation>
        </message>
        <message>
            <source>Без повторения память о новом слове угасает уже за несколько дней — это называют кривой забывания. Но если повторить слово в нужный момент, каждое следующее забывание идёт медленнее, а память закрепляется надолго.</source>
            <translation>如果不复习，对新单词的记忆几天内就会消退——这就是所谓的遗忘曲线。但如果在恰当的时机复习，之后每一次遗忘都会变慢，记忆也会长久巩固。</translation>
        </message>
        <message>
            <source>Браузер, PDF, субтитры видео, даже игры и изображения — слово распознаётся прямо с экрана. Можно и ввести слово или предложение вручную через Быстрый поиск по отдельной горячей клавише.</source>
            <translation>浏览器、PDF、视频字幕，甚至游戏和图片——单词直接从屏幕上识别。也可以通过单独的快捷键打开快速查询，手动输入单词或句子。</translation>
        </message>
        <message>
            <source>Выберите язык интерфейса</source>
            <translation>选择界面语言</translation>
        </message>
        <message>
            <source>Горячие клавиши</source>
            <translation>快捷键</translation>
        </message>
        <message>
            <source>Далее</source>
            <translation>下一步</translation>
        </message>
        <message>
            <source>Добро пожаловать в Quillmoor</source>
            <translation>欢迎使用 Quillmoor</translation>
        </message>
        <message>
            <source>Ищите Quillmoor в области уведомлений</source>
            <translation>在通知区域找到 Quillmoor</translation>
        </message>
        <message>
            <source>Как работает интервальное повторение</source>
            <translation>间隔重复如何运作</translation>
        </message>
        <message>
            <source>Можно изменить позже в настройках</source>
            <translation>之后可以在设置中更改</translation>
        </message>
        <message>
            <source>Наведите курсор на любое слово в любом приложении и зажмите клавишу-триггер (по умолчанию Alt) — рядом появится перевод, произношение и этимология, без переключения окон.</source>
            <translation>把光标移到任意应用中的任意单词上，按住触发键（默认为 Alt）——旁边就会显示翻译、发音和词源，无需切换窗口。</translation>
        </message>
        <message>
            <source>Назад</source>
            <translation>返回</translation>
        </message>
        <message>
            <source>Одним кликом добавляйте слова в Anki — бесплатное приложение, которое само планирует повторения: показывает карточку именно тогда, когда вы вот-вот забудете слово, и раздвигает интервал, если вы её помните.</source>
            <translation>一键把单词添加到 Anki——这款免费应用会自动安排复习：在你快要忘记单词时正好显示卡片，如果你记得，就拉长间隔。</translation>
        </message>
        <message>
            <source>Перевод слова с учётом контекста всего предложения, транскрипция и произношение вслух, этимология — и картинка, иллюстрирующая смысл. Всё сразу, одним наведением, плюс кнопка добавить карточку в Anki.</source>
            <translation>结合整句语境给出的单词翻译、音标和朗读发音、词源——还有一张说明词义的图片。只需悬停一次，全部呈现，另有一个把卡片添加到 Anki 的按钮。</translation>
        </message>
        <message>
            <source>Погружение (immersion) — это изучение языка через настоящий контент на нём: статьи, видео, переписку, игры, а не через изолированные упражнения и списки слов из учебника. Мозг запоминает лучше, когда слово встречается в живом контексте, а не в отрыве от него.</source>
            <translation>沉浸式学习（immersion）是通过该语言的真实内容来学习语言：文章、视频、聊天、游戏，而不是靠课本里孤立的练习和单词表。当单词出现在鲜活的语境中，而不是孤零零地出现时，大脑记得更牢。</translation>
        </message>
        <message>
            <source>Почему мы забываем</source>
            <translation>我们为什么会遗忘</translation>
        </message>
        <message>
            <source>Почему это так важно</source>
            <translation>为什么这如此重要</translation>
        </message>
        <message>
            <source>Приступить к изучению</source>
            <translation>开始学习</translation>
        </message>
        <message>
            <source>Работает где угодно</source>
            <translation>随处可用</translation>
        </message>
        <message>
            <source>У Quillmoor нет окна на панели задач — приложение живёт в области уведомлений (трее), значок «QM» обычно в углу верхней или нижней панели. Оттуда доступно всё: Повторение, Разбор грамматики, Настройки, Быстрый поиск. В GNOME значки трея видны только с расширением AppIndicator (пакет gnome-shell-extension-appindicator); без него Quillmoor открывает небольшое окно с теми же командами. Дополнительную информацию о настройке Anki вы сможете найти в настройках.</source>
            <translation>Quillmoor 在任务栏上没有窗口——它驻留在通知区域（系统托盘）中，“QM”图标通常位于顶部或底部面板的角落。所有功能都在那里：复习、语法分析、设置、快速查询。在 GNOME 中，只有安装 AppIndicator 扩展（软件包 gnome-shell-extension-appindicator）后托盘图标才会显示；没有它时，Quillmoor 会打开一个包含相同命令的小窗口。有关 Anki 设置的更多信息，请参阅设置。</translation>
        </message>
        <message>
            <source>У каждого способа взаимодействия своя горячая клавиша: Alt — навести на слово, Ctrl+Alt — перевести выделение, Super+Shift — быстрый поиск, Ctrl+Alt+Shift — разбор грамматики. Если какая-то из них конфликтует с другими приложениями на компьютере — поменяйте её в любой момент в Настройках → Хоткеи: кликните на комбинацию и нажмите новую.</source>
            <translation>每种使用方式都有自己的快捷键：Alt —— 悬停查词，Ctrl+Alt —— 翻译选中内容，Super+Shift —— 快速查询，Ctrl+Alt+Shift —— 语法分析。如果其中某个与电脑上的其他应用冲突，可以随时在“设置 → 快捷键”中更改：点击组合键，然后按下新的组合。</translation>
        </message>
        <message>
            <source>Что показывает карточка</source>
            <translation>卡片显示什么</translation>
        </message>
        <message>
            <source>Что такое погружение</source>
            <translation>什么是沉浸式学习</translation>
        </message>
        <message>
            <source>рекомендуем</source>
            <translation>推荐</translation>
        </message>
    </context>
    <context>
        <name>PageDots</name>
        <message>
            <source>Страница %1 из %2</source>
            <translation>第 %1 页，共 %2 页</translation>
        </message>
    </context>
    <context>
        <name>QuickLookupView</name>
        <message>
            <source>Слово или предложение…</source>
            <translation>单词或句子…</translation>
        </message>
    </context>
    <context>
        <name>ReviewCardView</name>
        <message>
            <source>Произношение</source>
            <translation>发音</translation>
        </message>
    </context>
    <context>
        <name>ReviewView</name>
        <message>
            <source>%1 из %2</source>
            <translation>%1 / %2</translation>
        </message>
        <message>
            <source>Все колоды</source>
            <translation>所有卡组</translation>
        </message>
        <message>
            <source>Всё повторено!</source>
            <translation>全部复习完了！</translation>
        </message>
        <message>
            <source>Легко</source>
            <translation>简单</translation>
        </message>
        <message>
            <source>Награды</source>
            <translation>成就</translation>
        </message>
        <message>
            <source>Не удалось сохранить оценку. Попробуйте ещё раз.</source>
            <translation>无法保存评分，请重试。</translation>
        </message>
        <message>
            <source>Новые карточки появятся здесь, когда подойдёт время их повторить.</source>
            <translation>到了复习时间，新卡片会出现在这里。</translation>
        </message>
        <message>
            <source>Повтор</source>
            <translation>复习</translation>
        </message>
        <message>
            <source>Показать ответ</source>
            <translation>显示答案</translation>
        </message>
        <message>
            <source>Снова</source>
            <translation>重来</translation>
        </message>
        <message>
            <source>Статистика</source>
            <translation>统计</translation>
        </message>
        <message>
            <source>Трудно</source>
            <translation>困难</translation>
        </message>
        <message>
            <source>Хорошо</source>
            <translation>良好</translation>
        </message>
    </context>
    <context>
        <name>ReviewWindowController</name>
        <message>
            <source>Повторение</source>
            <translation>复习</translation>
        </message>
    </context>
    <context>
        <name>SessionCheck</name>
        <message>
            <source>Quillmoor работает в сеансах X11. В сеансе Wayland сочетания клавиш и захват слов под указателем недоступны; окна приложения работают как обычно. Чтобы пользоваться Quillmoor полностью, войдите в сеанс Xorg.</source>
            <translation>Quillmoor 适用于 X11 会话。在 Wayland 会话中，快捷键和指针下取词功能不可用；应用窗口可照常使用。如需使用 Quillmoor 的全部功能，请登录 Xorg 会话。</translation>
        </message>
    </context>
    <context>
        <name>StatsFormat</name>
        <message>
            <source>Изучено %1 за %2 минут сегодня (%3 с/карточка)</source>
            <translation>今天用 %2 分钟学习了 %1（每张 %3 秒）</translation>
        </message>
        <message>
            <source>Сегодня повторений ещё не было</source>
            <translation>今天还没有复习</translation>
        </message>
        <message>
            <source>дн.</source>
            <translation>天</translation>
        </message>
    </context>
    <context>
        <name>StatsView</name>
        <message>
            <source>В изучении</source>
            <translation>学习中</translation>
        </message>
        <message>
            <source>Освоено</source>
            <translation>已掌握</translation>
        </message>
        <message>
            <source>Повторения за 16 недель</source>
            <translation>16 周复习记录</translation>
        </message>
        <message>
            <source>Скоро на повторение</source>
            <translation>即将复习</translation>
        </message>
        <message>
            <source>Средний интервал</source>
            <translation>平均间隔</translation>
        </message>
        <message>
            <source>Успешно за 30 дней</source>
            <translation>30 天正确率</translation>
        </message>
    </context>
    <context>
        <name>TrayIconController</name>
        <message>
            <source>Language Settings…</source>
            <translation>语言设置…</translation>
        </message>
        <message>
            <source>QM</source>
            <translation>QM</translation>
        </message>
        <message>
            <source>Quick Lookup…</source>
            <translation>快速查词…</translation>
        </message>
        <message>
            <source>Quit</source>
            <translation>退出</translation>
        </message>
        <message>
            <source>Грамматика…</source>
            <translation>语法…</translation>
        </message>
        <message>
            <source>Как это работает…</source>
            <translation>使用说明…</translation>
        </message>
        <message>
            <source>Отправить фидбек…</source>
            <translation>发送反馈…</translation>
        </message>
        <message>
            <source>Повторение…</source>
            <translation>复习…</translation>
        </message>
    </context>
</TS>
