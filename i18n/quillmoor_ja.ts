<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="ru_RU">
    <context>
        <name>AccessibilityPrompt</name>
        <message>
            <source>Включить</source>
            <translation>オンにする</translation>
        </message>
        <message>
            <source>Включить её сейчас? Приложения, запущенные раньше, нужно будет перезапустить, чтобы Quillmoor мог читать их текст.</source>
            <translation>今すぐオンにしますか？すでに起動しているアプリは、Quillmoor がテキストを読み取れるように再起動が必要です。</translation>
        </message>
        <message>
            <source>Не сейчас</source>
            <translation>後で</translation>
        </message>
        <message>
            <source>Не удалось включить службу специальных возможностей.</source>
            <translation>アクセシビリティ サービスをオンにできませんでした。</translation>
        </message>
        <message>
            <source>Чтобы читать слово под указателем, Quillmoor нужна служба специальных возможностей (AT-SPI), а она выключена.</source>
            <translation>ポインターの下の単語を読み取るには、Quillmoor にアクセシビリティ サービス（AT-SPI）が必要ですが、現在オフになっています。</translation>
        </message>
    </context>
    <context>
        <name>AchievementCatalog</name>
        <message>
            <source>10 освоенных слов</source>
            <translation>習得した単語 10 語</translation>
        </message>
        <message>
            <source>10 повторений</source>
            <translation>復習 10 回</translation>
        </message>
        <message>
            <source>100 дней подряд</source>
            <translation>100 日連続</translation>
        </message>
        <message>
            <source>100 освоенных слов</source>
            <translation>習得した単語 100 語</translation>
        </message>
        <message>
            <source>100 повторений</source>
            <translation>復習 100 回</translation>
        </message>
        <message>
            <source>1000 повторений</source>
            <translation>復習 1000 回</translation>
        </message>
        <message>
            <source>3 дня подряд</source>
            <translation>3 日連続</translation>
        </message>
        <message>
            <source>30 дней подряд</source>
            <translation>30 日連続</translation>
        </message>
        <message>
            <source>50 карточек добавлено</source>
            <translation>カードを 50 枚追加</translation>
        </message>
        <message>
            <source>7 дней подряд</source>
            <translation>7 日連続</translation>
        </message>
        <message>
            <source>Все темы уровня A1 пройдены</source>
            <translation>A1 レベルの全トピックを修了</translation>
        </message>
        <message>
            <source>Все темы уровня A2 пройдены</source>
            <translation>A2 レベルの全トピックを修了</translation>
        </message>
        <message>
            <source>Все темы уровня B1 пройдены</source>
            <translation>B1 レベルの全トピックを修了</translation>
        </message>
        <message>
            <source>Грамматика: A1</source>
            <translation>文法：A1</translation>
        </message>
        <message>
            <source>Грамматика: A2</source>
            <translation>文法：A2</translation>
        </message>
        <message>
            <source>Грамматика: B1</source>
            <translation>文法：B1</translation>
        </message>
        <message>
            <source>Железная воля</source>
            <translation>鉄の意志</translation>
        </message>
        <message>
            <source>Коллекционер</source>
            <translation>コレクター</translation>
        </message>
        <message>
            <source>Марафонец</source>
            <translation>マラソンランナー</translation>
        </message>
        <message>
            <source>Месяц привычки</source>
            <translation>習慣化の一か月</translation>
        </message>
        <message>
            <source>Набираем обороты</source>
            <translation>勢いに乗ってきた</translation>
        </message>
        <message>
            <source>Начало пути</source>
            <translation>旅のはじまり</translation>
        </message>
        <message>
            <source>Неделя силы</source>
            <translation>力の一週間</translation>
        </message>
        <message>
            <source>Первая карточка</source>
            <translation>最初のカード</translation>
        </message>
        <message>
            <source>Первые шаги</source>
            <translation>はじめの一歩</translation>
        </message>
        <message>
            <source>Первый багаж</source>
            <translation>最初の蓄え</translation>
        </message>
        <message>
            <source>Разогрелись</source>
            <translation>エンジンがかかってきた</translation>
        </message>
        <message>
            <source>Словарный запас</source>
            <translation>語彙力</translation>
        </message>
    </context>
    <context>
        <name>AchievementTile</name>
        <message>
            <source>ещё не получена</source>
            <translation>未獲得</translation>
        </message>
        <message>
            <source>получена</source>
            <translation>獲得済み</translation>
        </message>
    </context>
    <context>
        <name>AchievementsView</name>
        <message>
            <source>Открыто %1 из %2</source>
            <translation>%2 個中 %1 個を獲得</translation>
        </message>
    </context>
    <context>
        <name>AnkiAddAction</name>
        <message>
            <source>Не удалось сохранить карточку в Quillmoor.</source>
            <translation>Quillmoor にカードを保存できませんでした。</translation>
        </message>
    </context>
    <context>
        <name>AnkiConnectError</name>
        <message>
            <source>Anki вернул ошибку: %1</source>
            <translation>Anki がエラーを返しました: %1</translation>
        </message>
        <message>
            <source>Anki прислал неожиданный ответ.</source>
            <translation>Anki から予期しない応答がありました。</translation>
        </message>
        <message>
            <source>Не удалось подключиться к Anki. Убедись, что Anki запущен и установлен аддон AnkiConnect.</source>
            <translation>Anki に接続できませんでした。Anki が起動していて、AnkiConnect アドオンがインストールされているか確認してください。</translation>
        </message>
    </context>
    <context>
        <name>AnkiGuideDisclosureRow</name>
        <message>
            <source>Как подключить Anki к Quillmoor</source>
            <translation>Anki を Quillmoor に接続する方法</translation>
        </message>
    </context>
    <context>
        <name>AnkiSetupGuide</name>
        <message>
            <source>AnkiConnect работает, только пока запущено само приложение Anki — можно свернуть его в фон, но не закрывать, пока пользуетесь Quillmoor.</source>
            <translation>AnkiConnect は Anki 本体が起動している間だけ動作します。最小化しても構いませんが、Quillmoor を使っている間は閉じないでください。</translation>
        </message>
        <message>
            <source>Аддон включается только после перезапуска — закройте Anki и откройте снова.</source>
            <translation>アドオンは再起動後に有効になります。Anki を閉じて、もう一度開いてください。</translation>
        </message>
        <message>
            <source>Бесплатное приложение для карточек с интервальным повторением. Скачайте на %1, если его ещё нет, и запустите хотя бы раз.</source>
            <translation>間隔反復で学べる無料の単語カードアプリです。まだお持ちでなければ %1 からダウンロードし、一度は起動してください。</translation>
        </message>
        <message>
            <source>В Anki: Tools → Add-ons → Get Add-ons…, введите код %1 и нажмите OK.</source>
            <translation>Anki で Tools → Add-ons → Get Add-ons… を開き、コード %1 を入力して OK を押します。</translation>
        </message>
        <message>
            <source>Готово</source>
            <translation>完了</translation>
        </message>
        <message>
            <source>Держите Anki открытым</source>
            <translation>Anki を開いたままに</translation>
        </message>
        <message>
            <source>Добавьте аддон AnkiConnect</source>
            <translation>AnkiConnect アドオンを追加</translation>
        </message>
        <message>
            <source>Если в настройках AnkiConnect включена защита по API-ключу (Config → apiKey) — оставьте это поле пустым: Quillmoor пока не умеет его передавать.</source>
            <translation>AnkiConnect の設定で API キーによる保護（Config → apiKey）が有効な場合は、その欄を空にしてください。Quillmoor はまだキーを送信できません。</translation>
        </message>
        <message>
            <source>Колода с названием, указанным выше, создастся в Anki автоматически при первом сохранённом слове — вручную заводить её не нужно.</source>
            <translation>上で指定した名前のデッキは、最初に単語を保存したときに Anki に自動で作成されます。手動で作る必要はありません。</translation>
        </message>
        <message>
            <source>Перезапустите Anki</source>
            <translation>Anki を再起動</translation>
        </message>
        <message>
            <source>Пока карточки создаются по стандартному шаблону Anki «Basic» — если он удалён или переименован, сохранение будет выдавать ошибку. Мы уже работаем над тем, чтобы это улучшить.</source>
            <translation>現在、カードは Anki の標準ノートタイプ「Basic」で作成されます。削除または名前を変更していると保存時にエラーになります。改善に取り組んでいます。</translation>
        </message>
        <message>
            <source>Установите Anki</source>
            <translation>Anki をインストール</translation>
        </message>
    </context>
    <context>
        <name>AppSectionNavBar</name>
        <message>
            <source>Грамматика</source>
            <translation>文法</translation>
        </message>
        <message>
            <source>Как это работает</source>
            <translation>使い方</translation>
        </message>
        <message>
            <source>Настройки</source>
            <translation>設定</translation>
        </message>
        <message>
            <source>Повторение</source>
            <translation>復習</translation>
        </message>
    </context>
    <context>
        <name>CaptureOverlayView</name>
        <message>
            <source>Добавить в Anki и Quillmoor</source>
            <translation>Anki と Quillmoor に追加</translation>
        </message>
        <message>
            <source>Добавлено в Anki и Quillmoor</source>
            <translation>Anki と Quillmoor に追加しました</translation>
        </message>
        <message>
            <source>Добавляем…</source>
            <translation>追加しています…</translation>
        </message>
        <message>
            <source>Значение недоступно</source>
            <translation>意味を取得できません</translation>
        </message>
        <message>
            <source>Не удалось — повторить</source>
            <translation>失敗しました — 再試行</translation>
        </message>
        <message>
            <source>Перевод недоступен</source>
            <translation>翻訳できません</translation>
        </message>
        <message>
            <source>Уточняем перевод…</source>
            <translation>翻訳を調整しています…</translation>
        </message>
    </context>
    <context>
        <name>CardDatabase</name>
        <message>
            <source>Не удалось создать локальное хранилище карточек: </source>
            <translation>ローカルのカード保存領域を作成できませんでした: </translation>
        </message>
        <message>
            <source>файл %1 записан более новой версией Quillmoor (версия схемы %2, эта версия знает %3) и оставлен без изменений</source>
            <translation>ファイル %1 は新しいバージョンの Quillmoor で書き込まれています（スキーマ バージョン %2、このバージョンが扱えるのは %3 まで）。ファイルは変更していません</translation>
        </message>
    </context>
    <context>
        <name>CrashReportOffer</name>
        <message>
            <source>Quillmoor неожиданно завершился</source>
            <translation>Quillmoor が予期せず終了しました</translation>
        </message>
        <message>
            <source>Отправить отчёт</source>
            <translation>レポートを送信</translation>
        </message>
        <message>
            <source>Отчёт о сбое сохранён. Отправьте его разработчикам, чтобы ошибку исправили.</source>
            <translation>クラッシュレポートを保存しました。問題を修正できるよう、開発者に送信してください。</translation>
        </message>
    </context>
    <context>
        <name>FeedbackService</name>
        <message>
            <source>Quillmoor — отзыв</source>
            <translation>Quillmoor — フィードバック</translation>
        </message>
    </context>
    <context>
        <name>ForgettingCurveDiagram</name>
        <message>
            <source>Без повторения</source>
            <translation>復習なし</translation>
        </message>
        <message>
            <source>С повторением</source>
            <translation>復習あり</translation>
        </message>
    </context>
    <context>
        <name>GrammarAnalysisView</name>
        <message>
            <source>Анализируем предложение…</source>
            <translation>文を解析しています…</translation>
        </message>
        <message>
            <source>Грамматика верна</source>
            <translation>文法は正しいです</translation>
        </message>
        <message>
            <source>Закрыть</source>
            <translation>閉じる</translation>
        </message>
        <message>
            <source>Исправлено:</source>
            <translation>修正：</translation>
        </message>
        <message>
            <source>Не удалось проанализировать</source>
            <translation>解析できませんでした</translation>
        </message>
        <message>
            <source>Повторить</source>
            <translation>再試行</translation>
        </message>
        <message>
            <source>Разбор грамматики</source>
            <translation>文法解析</translation>
        </message>
        <message>
            <source>Разбор грамматики выполняет локальная языковая модель, но по адресу %1 никакой сервер модели не отвечает. Адрес задаётся в окне настроек, в разделе «Службы».</source>
            <translation>文法解析はローカルの言語モデルで行いますが、%1 で応答するモデルサーバーがありません。アドレスは設定ウィンドウの「サービス」セクションで設定できます。</translation>
        </message>
        <message>
            <source>Разбор грамматики доступен для двенадцати языков, которые можно изучать в Quillmoor. Язык этого предложения не удалось определить, или его среди них нет.</source>
            <translation>文法解析は Quillmoor で学習できる12の言語で利用できます。この文の言語を判別できなかったか、その中に含まれていません。</translation>
        </message>
        <message>
            <source>Язык пока не поддерживается</source>
            <translation>この言語にはまだ対応していません</translation>
        </message>
        <message>
            <source>Языковая модель недоступна</source>
            <translation>言語モデルを利用できません</translation>
        </message>
    </context>
    <context>
        <name>GrammarCourseModel</name>
        <message>
            <source>Мои слова</source>
            <translation>マイ単語</translation>
        </message>
    </context>
    <context>
        <name>GrammarPracticeView</name>
        <message>
            <source>%1 из %2 · %3</source>
            <translation>%1 / %2 · %3</translation>
        </message>
        <message>
            <source>Again</source>
            <translation>もう一度</translation>
        </message>
        <message>
            <source>Easy</source>
            <translation>簡単</translation>
        </message>
        <message>
            <source>Good</source>
            <translation>普通</translation>
        </message>
        <message>
            <source>Hard</source>
            <translation>難しい</translation>
        </message>
        <message>
            <source>Ваш ответ</source>
            <translation>あなたの答え</translation>
        </message>
        <message>
            <source>Верно!</source>
            <translation>正解！</translation>
        </message>
        <message>
            <source>Всё повторено!</source>
            <translation>すべて復習しました！</translation>
        </message>
        <message>
            <source>Ещё нет персональных заданий</source>
            <translation>まだパーソナル練習はありません</translation>
        </message>
        <message>
            <source>Не удалось сохранить оценку. Попробуйте ещё раз.</source>
            <translation>評価を保存できませんでした。もう一度お試しください。</translation>
        </message>
        <message>
            <source>Не удалось сохранить упражнения. Попробуйте ещё раз.</source>
            <translation>練習問題を保存できませんでした。もう一度お試しください。</translation>
        </message>
        <message>
            <source>Неверно — правильный ответ: %1</source>
            <translation>不正解 — 正しい答え：%1</translation>
        </message>
        <message>
            <source>Новые задания появятся здесь, когда подойдёт время их повторить.</source>
            <translation>復習の時期が来ると、ここに新しい問題が表示されます。</translation>
        </message>
        <message>
            <source>Проверить</source>
            <translation>答え合わせ</translation>
        </message>
        <message>
            <source>Сгенерировать</source>
            <translation>作成する</translation>
        </message>
        <message>
            <source>Сгенерируем несколько упражнений на основе слов, которые вы уже учите.</source>
            <translation>学習中の単語からいくつか練習問題を作成します。</translation>
        </message>
        <message>
            <source>Сначала добавьте и повторите хотя бы одно слово в словарной колоде.</source>
            <translation>まず単語デッキに単語を1つ以上追加して復習してください。</translation>
        </message>
        <message>
            <source>Собранное предложение:</source>
            <translation>組み立てた文：</translation>
        </message>
        <message>
            <source>Создаём упражнения…</source>
            <translation>練習問題を作成中…</translation>
        </message>
    </context>
    <context>
        <name>GrammarTheoryView</name>
        <message>
            <source>Закрыть</source>
            <translation>閉じる</translation>
        </message>
        <message>
            <source>Начать упражнения</source>
            <translation>練習を始める</translation>
        </message>
        <message>
            <source>Теория для этой темы пока не добавлена.</source>
            <translation>このトピックの解説はまだありません。</translation>
        </message>
    </context>
    <context>
        <name>GrammarTopicRow</name>
        <message>
            <source>Теория: %1</source>
            <translation>解説：%1</translation>
        </message>
    </context>
    <context>
        <name>GrammarView</name>
        <message>
            <source>Авто</source>
            <translation>自動</translation>
        </message>
        <message>
            <source>Все темы уровня начаты</source>
            <translation>このレベルの全トピックに挑戦済み</translation>
        </message>
        <message>
            <source>Курс грамматики пока не готов для этого языка</source>
            <translation>この言語の文法コースはまだ準備中です</translation>
        </message>
        <message>
            <source>Мои слова</source>
            <translation>マイ単語</translation>
        </message>
        <message>
            <source>Мы работаем над тем, чтобы это исправить. А пока попробуйте раздел «Мои слова» — упражнения на основе вашего словаря.</source>
            <translation>現在準備を進めています。それまでは「マイ単語」をお試しください。あなたの単語帳をもとにした練習です。</translation>
        </message>
        <message>
            <source>Назад</source>
            <translation>戻る</translation>
        </message>
        <message>
            <source>Ничего не нашлось по запросу "%1"</source>
            <translation>「%1」に一致するものはありません</translation>
        </message>
        <message>
            <source>Поиск темы</source>
            <translation>トピックを検索</translation>
        </message>
        <message>
            <source>Поиск темы — например, articles или артикли</source>
            <translation>トピックを検索（例：articles）</translation>
        </message>
        <message>
            <source>Стрик: %1 🔥</source>
            <translation>連続：%1 🔥</translation>
        </message>
        <message>
            <source>Язык изучения</source>
            <translation>学習言語</translation>
        </message>
    </context>
    <context>
        <name>GrammarWindowController</name>
        <message>
            <source>Грамматика</source>
            <translation>文法</translation>
        </message>
    </context>
    <context>
        <name>HotkeyActions</name>
        <message>
            <source>Быстрый поиск</source>
            <translation>クイック検索</translation>
        </message>
        <message>
            <source>Наведение на слово</source>
            <translation>単語にホバー</translation>
        </message>
        <message>
            <source>Перевод выделения</source>
            <translation>選択範囲を翻訳</translation>
        </message>
        <message>
            <source>Проверка и объяснение грамматики выделения</source>
            <translation>選択範囲の文法をチェックして説明します</translation>
        </message>
        <message>
            <source>Работает при любой длине выделения</source>
            <translation>どの長さの選択範囲でも使えます</translation>
        </message>
        <message>
            <source>Разбор грамматики</source>
            <translation>文法解析</translation>
        </message>
        <message>
            <source>Удерживать над словом</source>
            <translation>単語の上で押し続ける</translation>
        </message>
    </context>
    <context>
        <name>HotkeyRecorderView</name>
        <message>
            <source>Нажмите клавиши…</source>
            <translation>キーを押してください…</translation>
        </message>
        <message>
            <source>Эта комбинация уже занята другим действием</source>
            <translation>この組み合わせは既に別の操作に使われています</translation>
        </message>
        <message>
            <source>Эту клавишу нельзя назначить без модификатора (Ctrl, Alt, Shift, Super) — иначе она будет срабатывать при обычном наборе текста.</source>
            <translation>このキーは修飾キー（Ctrl、Alt、Shift、Super）なしでは割り当てられません。そうしないと通常の入力中に反応してしまいます。</translation>
        </message>
        <message>
            <source>⏎ подтвердить · ⎋ отмена</source>
            <translation>⏎ 確定 · ⎋ キャンセル</translation>
        </message>
    </context>
    <context>
        <name>LanguageDetector</name>
        <message>
            <source>По всей видимости, это %1 язык</source>
            <translation>これは%1のようです</translation>
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
            <translation>意味</translation>
        </message>
        <message>
            <source>Meaning на языке оригинала</source>
            <translation>元の言語で意味を説明</translation>
        </message>
        <message>
            <source>Всё нужное уже установлено</source>
            <translation>必要なものはすべてインストール済みです</translation>
        </message>
        <message>
            <source>Выключено</source>
            <translation>オフ</translation>
        </message>
        <message>
            <source>Если есть карточки на повторение</source>
            <translation>復習するカードがある場合</translation>
        </message>
        <message>
            <source>Запускать Quillmoor при входе в систему</source>
            <translation>ログイン時に Quillmoor を起動</translation>
        </message>
        <message>
            <source>Карточка</source>
            <translation>カード</translation>
        </message>
        <message>
            <source>Ключ сервера</source>
            <translation>サーバーのキー</translation>
        </message>
        <message>
            <source>Колода</source>
            <translation>デッキ</translation>
        </message>
        <message>
            <source>Модель</source>
            <translation>モデル</translation>
        </message>
        <message>
            <source>Модель картинок</source>
            <translation>画像モデル</translation>
        </message>
        <message>
            <source>Напоминать о повторении</source>
            <translation>復習をリマインドする</translation>
        </message>
        <message>
            <source>Не раньше</source>
            <translation>この時刻以降</translation>
        </message>
        <message>
            <source>Нет ответа</source>
            <translation>応答なし</translation>
        </message>
        <message>
            <source>Нужны для перевода на устройстве</source>
            <translation>端末上での翻訳に必要</translation>
        </message>
        <message>
            <source>Отвечает</source>
            <translation>応答あり</translation>
        </message>
        <message>
            <source>Отвечает · модели: %1</source>
            <translation>応答あり · モデル: %1</translation>
        </message>
        <message>
            <source>Открываем…</source>
            <translation>開いています…</translation>
        </message>
        <message>
            <source>Перевод</source>
            <translation>翻訳</translation>
        </message>
        <message>
            <source>Перевод на другой язык</source>
            <translation>別の言語に翻訳</translation>
        </message>
        <message>
            <source>Проверяем…</source>
            <translation>確認中…</translation>
        </message>
        <message>
            <source>Размер</source>
            <translation>サイズ</translation>
        </message>
        <message>
            <source>Режим</source>
            <translation>モード</translation>
        </message>
        <message>
            <source>Сервер картинок</source>
            <translation>画像サーバー</translation>
        </message>
        <message>
            <source>Сервер перевода</source>
            <translation>翻訳サーバー</translation>
        </message>
        <message>
            <source>Скачать…</source>
            <translation>ダウンロード…</translation>
        </message>
        <message>
            <source>Службы</source>
            <translation>サービス</translation>
        </message>
        <message>
            <source>Такой модели нет · есть: %1</source>
            <translation>そのモデルはありません · 利用可能: %1</translation>
        </message>
        <message>
            <source>Уведомления</source>
            <translation>通知</translation>
        </message>
        <message>
            <source>Установите пакеты в терминале:</source>
            <translation>ターミナルでパッケージをインストールしてください:</translation>
        </message>
        <message>
            <source>Установка… %1 %</source>
            <translation>インストール中… %1 %</translation>
        </message>
        <message>
            <source>Установлено: %1</source>
            <translation>インストール済み: %1</translation>
        </message>
        <message>
            <source>Хоткеи</source>
            <translation>ホットキー</translation>
        </message>
        <message>
            <source>Целевой язык глосс</source>
            <translation>訳語の言語</translation>
        </message>
        <message>
            <source>Эта комбинация уже занята другим действием</source>
            <translation>この組み合わせは既に別の操作に使われています</translation>
        </message>
        <message>
            <source>Язык интерфейса</source>
            <translation>表示言語</translation>
        </message>
        <message>
            <source>Язык перевода</source>
            <translation>翻訳先の言語</translation>
        </message>
        <message>
            <source>Язык приложения</source>
            <translation>アプリの言語</translation>
        </message>
        <message>
            <source>Языковая модель</source>
            <translation>言語モデル</translation>
        </message>
        <message>
            <source>Языковые пакеты</source>
            <translation>言語パック</translation>
        </message>
        <message>
            <source>первая из списка</source>
            <translation>一覧の先頭</translation>
        </message>
    </context>
    <context>
        <name>LookupCardModel</name>
        <message>
            <source>Для этой пары языков нужен сервер перевода или языковая модель (Настройки → Службы)</source>
            <translation>この言語ペアには翻訳サーバーか言語モデルが必要です（設定 → サービス）</translation>
        </message>
        <message>
            <source>Установите пакет %1, чтобы переводить эту пару языков</source>
            <translation>この言語ペアを翻訳するには %1 パッケージをインストールしてください</translation>
        </message>
    </context>
    <context>
        <name>NoTrayWindow</name>
        <message>
            <source>Рабочий стол не показывает значки в трее. В GNOME их включает расширение AppIndicator (пакет %1).</source>
            <translation>デスクトップにトレイアイコンが表示されません。GNOME では AppIndicator 拡張機能（パッケージ %1）で表示できます。</translation>
        </message>
    </context>
    <context>
        <name>NotificationService</name>
        <message>
            <source>Карточек на повторение: %1</source>
            <translation>復習するカード：%1 枚</translation>
        </message>
        <message>
            <source>Пора повторить слова</source>
            <translation>単語を復習する時間です</translation>
        </message>
        <message>
            <source>🏆 Новая награда: %1</source>
            <translation>🏆 新しい実績：%1</translation>
        </message>
    </context>
    <context>
        <name>OnboardingView</name>
        <message>
            <source>Quillmoor устроен вокруг погружения: вы наводите курсор на слово прямо там, где встретили его — в статье, субтитрах, переписке — и продолжаете читать, не выпадая из процесса. Слово запоминается вместе с контекстом, в котором вы его увидели, а не как оторванная карточка — именно так и формируется естественное чувство языка.</source>
            <translation>Quillmoor はイマージョンを中心に作られています。記事や字幕、チャットなど、単語に出会ったその場所でカーソルを合わせ、流れを止めずに読み続けられます。単語は切り離されたカードとしてではなく、目にした文脈と一緒に記憶されます。こうして自然な言語感覚が育っていくのです。</translation>
        </message>
        <message>
            <source>Без повторения память о новом слове угасает уже за несколько дней — это называют кривой забывания. Но если повторить слово в нужный момент, каждое следующее забывание идёт медленнее, а память закрепляется надолго.</source>
            <translation>復習しなければ、新しい単語の記憶は数日で薄れていきます。これを忘却曲線と呼びます。しかし適切なタイミングで復習すれば、その後の忘れ方はだんだん緩やかになり、記憶は長く定着します。</translation>
        </message>
        <message>
            <source>Браузер, PDF, субтитры видео, даже игры и изображения — слово распознаётся прямо с экрана. Можно и ввести слово или предложение вручную через Быстрый поиск по отдельной горячей клавише.</source>
            <translation>ブラウザ、PDF、動画の字幕、さらにはゲームや画像でも、単語を画面から直接読み取ります。専用のホットキーでクイック検索を開き、単語や文を手で入力することもできます。</translation>
        </message>
        <message>
            <source>Выберите язык интерфейса</source>
            <translation>表示言語を選んでください</translation>
        </message>
        <message>
            <source>Горячие клавиши</source>
            <translation>ホットキー</translation>
        </message>
        <message>
            <source>Далее</source>
            <translation>次へ</translation>
        </message>
        <message>
            <source>Добро пожаловать в Quillmoor</source>
            <translation>Quillmoor へようこそ</translation>
        </message>
        <message>
            <source>Ищите Quillmoor в области уведомлений</source>
            <translation>Quillmoor は通知領域にあります</translation>
        </message>
        <message>
            <source>Как работает интервальное повторение</source>
            <translation>間隔反復の仕組み</translation>
        </message>
        <message>
            <source>Можно изменить позже в настройках</source>
            <translation>後から設定で変更できます</translation>
        </message>
        <message>
            <source>Наведите курсор на любое слово в любом приложении и зажмите клавишу-триггер (по умолчанию Alt) — рядом появится перевод, произношение и этимология, без переключения окон.</source>
            <translation>どのアプリのどの単語にでもカーソルを合わせ、トリガーキー（既定は Alt）を押し続けると、すぐ横に訳・発音・語源が表示されます。ウィンドウを切り替える必要はありません。</translation>
        </message>
        <message>
            <source>Назад</source>
            <translation>戻る</translation>
        </message>
        <message>
            <source>Одним кликом добавляйте слова в Anki — бесплатное приложение, которое само планирует повторения: показывает карточку именно тогда, когда вы вот-вот забудете слово, и раздвигает интервал, если вы её помните.</source>
            <translation>ワンクリックで単語を Anki に追加できます。Anki は復習を自動で計画してくれる無料アプリで、単語を忘れそうになるちょうどその時にカードを表示し、覚えていれば間隔を広げます。</translation>
        </message>
        <message>
            <source>Перевод слова с учётом контекста всего предложения, транскрипция и произношение вслух, этимология — и картинка, иллюстрирующая смысл. Всё сразу, одним наведением, плюс кнопка добавить карточку в Anki.</source>
            <translation>文全体の文脈を踏まえた単語の訳、発音記号と読み上げ、語源、そして意味を表す画像。カーソルを合わせるだけですべてが表示され、Anki にカードを追加するボタンもあります。</translation>
        </message>
        <message>
            <source>Погружение (immersion) — это изучение языка через настоящий контент на нём: статьи, видео, переписку, игры, а не через изолированные упражнения и списки слов из учебника. Мозг запоминает лучше, когда слово встречается в живом контексте, а не в отрыве от него.</source>
            <translation>イマージョン（immersion）とは、教科書の個別の練習問題や単語リストではなく、その言語で書かれた本物のコンテンツ（記事、動画、チャット、ゲーム）を通じて言語を学ぶことです。単語は切り離された形ではなく、生きた文脈の中で出会うほうが記憶に残ります。</translation>
        </message>
        <message>
            <source>Почему мы забываем</source>
            <translation>なぜ忘れるのか</translation>
        </message>
        <message>
            <source>Почему это так важно</source>
            <translation>なぜそれが大切なのか</translation>
        </message>
        <message>
            <source>Приступить к изучению</source>
            <translation>学習を始める</translation>
        </message>
        <message>
            <source>Работает где угодно</source>
            <translation>どこでも使える</translation>
        </message>
        <message>
            <source>У Quillmoor нет окна на панели задач — приложение живёт в области уведомлений (трее), значок «QM» обычно в углу верхней или нижней панели. Оттуда доступно всё: Повторение, Разбор грамматики, Настройки, Быстрый поиск. В GNOME значки трея видны только с расширением AppIndicator (пакет gnome-shell-extension-appindicator); без него Quillmoor открывает небольшое окно с теми же командами. Дополнительную информацию о настройке Anki вы сможете найти в настройках.</source>
            <translation>Quillmoor にはタスクバーのウィンドウがありません。アプリは通知領域（トレイ）に常駐し、「QM」アイコンは通常、上部または下部パネルの隅にあります。復習、文法解析、設定、クイック検索など、すべてそこから使えます。GNOME では AppIndicator 拡張機能（パッケージ gnome-shell-extension-appindicator）がないとトレイアイコンが表示されません。その場合、Quillmoor は同じコマンドを並べた小さなウィンドウを開きます。Anki の設定について詳しくは、設定画面をご覧ください。</translation>
        </message>
        <message>
            <source>У каждого способа взаимодействия своя горячая клавиша: Alt — навести на слово, Ctrl+Alt — перевести выделение, Super+Shift — быстрый поиск, Ctrl+Alt+Shift — разбор грамматики. Если какая-то из них конфликтует с другими приложениями на компьютере — поменяйте её в любой момент в Настройках → Хоткеи: кликните на комбинацию и нажмите новую.</source>
            <translation>使い方ごとに専用のホットキーがあります。Alt — 単語にカーソルを合わせる、Ctrl+Alt — 選択範囲を翻訳、Super+Shift — クイック検索、Ctrl+Alt+Shift — 文法解析。ほかのアプリと競合する場合は、いつでも「設定 → ホットキー」で変更できます。組み合わせをクリックして、新しいキーを押してください。</translation>
        </message>
        <message>
            <source>Что показывает карточка</source>
            <translation>カードに表示されるもの</translation>
        </message>
        <message>
            <source>Что такое погружение</source>
            <translation>イマージョンとは</translation>
        </message>
        <message>
            <source>рекомендуем</source>
            <translation>おすすめ</translation>
        </message>
    </context>
    <context>
        <name>PageDots</name>
        <message>
            <source>Страница %1 из %2</source>
            <translation>%2 ページ中 %1 ページ目</translation>
        </message>
    </context>
    <context>
        <name>QuickLookupView</name>
        <message>
            <source>Слово или предложение…</source>
            <translation>単語または文…</translation>
        </message>
    </context>
    <context>
        <name>ReviewCardView</name>
        <message>
            <source>Произношение</source>
            <translation>発音</translation>
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
            <translation>すべてのデッキ</translation>
        </message>
        <message>
            <source>Всё повторено!</source>
            <translation>すべて復習しました！</translation>
        </message>
        <message>
            <source>Легко</source>
            <translation>簡単</translation>
        </message>
        <message>
            <source>Награды</source>
            <translation>実績</translation>
        </message>
        <message>
            <source>Не удалось сохранить оценку. Попробуйте ещё раз.</source>
            <translation>評価を保存できませんでした。もう一度お試しください。</translation>
        </message>
        <message>
            <source>Новые карточки появятся здесь, когда подойдёт время их повторить.</source>
            <translation>復習の時期が来たカードがここに表示されます。</translation>
        </message>
        <message>
            <source>Повтор</source>
            <translation>復習</translation>
        </message>
        <message>
            <source>Показать ответ</source>
            <translation>答えを表示</translation>
        </message>
        <message>
            <source>Снова</source>
            <translation>もう一度</translation>
        </message>
        <message>
            <source>Статистика</source>
            <translation>統計</translation>
        </message>
        <message>
            <source>Трудно</source>
            <translation>難しい</translation>
        </message>
        <message>
            <source>Хорошо</source>
            <translation>正解</translation>
        </message>
    </context>
    <context>
        <name>ReviewWindowController</name>
        <message>
            <source>Повторение</source>
            <translation>復習</translation>
        </message>
    </context>
    <context>
        <name>SessionCheck</name>
        <message>
            <source>Quillmoor работает в сеансах X11. В сеансе Wayland сочетания клавиш и захват слов под указателем недоступны; окна приложения работают как обычно. Чтобы пользоваться Quillmoor полностью, войдите в сеанс Xorg.</source>
            <translation>Quillmoor は X11 セッションで動作します。Wayland セッションでは、ショートカットとポインター下の単語の取得は使えません。アプリのウィンドウは通常どおり使えます。Quillmoor をすべて使うには、Xorg セッションでログインしてください。</translation>
        </message>
    </context>
    <context>
        <name>StatsFormat</name>
        <message>
            <source>Изучено %1 за %2 минут сегодня (%3 с/карточка)</source>
            <translation>今日は %1を %2 分で学習しました（1 枚あたり %3 秒）</translation>
        </message>
        <message>
            <source>Сегодня повторений ещё не было</source>
            <translation>今日はまだ復習していません</translation>
        </message>
        <message>
            <source>дн.</source>
            <translation>日</translation>
        </message>
    </context>
    <context>
        <name>StatsView</name>
        <message>
            <source>В изучении</source>
            <translation>学習中</translation>
        </message>
        <message>
            <source>Освоено</source>
            <translation>習得済み</translation>
        </message>
        <message>
            <source>Повторения за 16 недель</source>
            <translation>16 週間の復習</translation>
        </message>
        <message>
            <source>Скоро на повторение</source>
            <translation>今後の復習</translation>
        </message>
        <message>
            <source>Средний интервал</source>
            <translation>平均間隔</translation>
        </message>
        <message>
            <source>Успешно за 30 дней</source>
            <translation>30日間の正答率</translation>
        </message>
    </context>
    <context>
        <name>TrayIconController</name>
        <message>
            <source>Language Settings…</source>
            <translation>言語設定…</translation>
        </message>
        <message>
            <source>QM</source>
            <translation>QM</translation>
        </message>
        <message>
            <source>Quick Lookup…</source>
            <translation>クイック検索…</translation>
        </message>
        <message>
            <source>Quit</source>
            <translation>終了</translation>
        </message>
        <message>
            <source>Грамматика…</source>
            <translation>文法…</translation>
        </message>
        <message>
            <source>Как это работает…</source>
            <translation>使い方…</translation>
        </message>
        <message>
            <source>Отправить фидбек…</source>
            <translation>フィードバックを送信…</translation>
        </message>
        <message>
            <source>Повторение…</source>
            <translation>復習…</translation>
        </message>
    </context>
</TS>
