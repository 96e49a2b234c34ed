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
