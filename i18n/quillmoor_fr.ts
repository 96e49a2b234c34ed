<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="ru_RU">
    <context>
        <name>AccessibilityPrompt</name>
        <message>
            <source>Включить</source>
            <translation>Activer</translation>
        </message>
        <message>
            <source>Включить её сейчас? Приложения, запущенные раньше, нужно будет перезапустить, чтобы Quillmoor мог читать их текст.</source>
            <translation>L’activer maintenant ? Les applications lancées auparavant devront être redémarrées pour que Quillmoor puisse lire leur texte.</translation>
        </message>
        <message>
            <source>Не сейчас</source>
            <translation>Plus tard</translation>
        </message>
        <message>
            <source>Не удалось включить службу специальных возможностей.</source>
            <translation>Impossible d’activer le service d’accessibilité.</translation>
        </message>
        <message>
            <source>Чтобы читать слово под указателем, Quillmoor нужна служба специальных возможностей (AT-SPI), а она выключена.</source>
            <translation>Pour lire le mot sous le pointeur, Quillmoor a besoin du service d’accessibilité (AT-SPI), qui est désactivé.</translation>
        </message>
    </context>
    <context>
        <name>AchievementCatalog</name>
        <message>
            <source>10 освоенных слов</source>
            <translation>10 mots maîtrisés</translation>
        </message>
        <message>
            <source>10 повторений</source>
            <translation>10 révisions</translation>
        </message>
        <message>
            <source>100 дней подряд</source>
            <translation>100 jours d’affilée</translation>
        </message>
        <message>
            <source>100 освоенных слов</source>
            <translation>100 mots maîtrisés</translation>
        </message>
        <message>
            <source>100 повторений</source>
            <translation>100 révisions</translation>
        </message>
        <message>
            <source>1000 повторений</source>
            <translation>1 000 révisions</translation>
        </message>
        <message>
            <source>3 дня подряд</source>
            <translation>3 jours d’affilée</translation>
        </message>
        <message>
            <source>30 дней подряд</source>
            <translation>30 jours d’affilée</translation>
        </message>
        <message>
            <source>50 карточек добавлено</source>
            <translation>50 cartes ajoutées</translation>
        </message>
        <message>
            <source>7 дней подряд</source>
            <translation>7 jours d’affilée</translation>
        </message>
        <message>
            <source>Все темы уровня A1 пройдены</source>
            <translation>Tous les thèmes du niveau A1 terminés</translation>
        </message>
        <message>
            <source>Все темы уровня A2 пройдены</source>
            <translation>Tous les thèmes du niveau A2 terminés</translation>
        </message>
        <message>
            <source>Все темы уровня B1 пройдены</source>
            <translation>Tous les thèmes du niveau B1 terminés</translation>
        </message>
        <message>
            <source>Грамматика: A1</source>
            <translation>Grammaire : A1</translation>
        </message>
        <message>
            <source>Грамматика: A2</source>
            <translation>Grammaire : A2</translation>
        </message>
        <message>
            <source>Грамматика: B1</source>
            <translation>Grammaire : B1</translation>
        </message>
        <message>
            <source>Железная воля</source>
            <translation>Volonté de fer</translation>
        </message>
        <message>
            <source>Коллекционер</source>
            <translation>Collectionneur</translation>
        </message>
        <message>
            <source>Марафонец</source>
            <translation>Marathonien</translation>
        </message>
        <message>
            <source>Месяц привычки</source>
            <translation>Un mois d’habitude</translation>
        </message>
        <message>
            <source>Набираем обороты</source>
            <translation>On prend de la vitesse</translation>
        </message>
        <message>
            <source>Начало пути</source>
            <translation>Le voyage commence</translation>
        </message>
        <message>
            <source>Неделя силы</source>
            <translation>Semaine de force</translation>
        </message>
        <message>
            <source>Первая карточка</source>
            <translation>Première carte</translation>
        </message>
        <message>
            <source>Первые шаги</source>
            <translation>Premiers pas</translation>
        </message>
        <message>
            <source>Первый багаж</source>
            <translation>Premier bagage</translation>
        </message>
        <message>
            <source>Разогрелись</source>
            <translation>Ça chauffe</translation>
        </message>
        <message>
            <source>Словарный запас</source>
            <translation>Vocabulaire</translation>
        </message>
    </context>
    <context>
        <name>AchievementTile</name>
        <message>
            <source>ещё не получена</source>
            <translation>pas encore obtenue</translation>
        </message>
        <message>
            <source>получена</source>
            <translation>obtenue</translation>
        </message>
    </context>
    <context>
        <name>AchievementsView</name>
        <message>
            <source>Открыто %1 из %2</source>
            <translation>%1 sur %2 débloqués</translation>
        </message>
    </context>
    <context>
        <name>AnkiAddAction</name>
        <message>
            <source>Не удалось сохранить карточку в Quillmoor.</source>
            <translation>Impossible d’enregistrer la carte dans Quillmoor.</translation>
        </message>
    </context>
    <context>
        <name>AnkiConnectError</name>
        <message>
            <source>Anki вернул ошибку: %1</source>
            <translation>Anki a renvoyé une erreur : %1</translation>
        </message>
        <message>
            <source>Anki прислал неожиданный ответ.</source>
            <translation>Anki a envoyé une réponse inattendue.</translation>
        </message>
        <message>
            <source>Не удалось подключиться к Anki. Убедись, что Anki запущен и установлен аддон AnkiConnect.</source>
            <translation>Impossible de se connecter à Anki. Vérifie qu'Anki est ouvert et que le module AnkiConnect est installé.</translation>
        </message>
    </context>
    <context>
        <name>AppSectionNavBar</name>
        <message>
            <source>Грамматика</source>
            <translation>Grammaire</translation>
        </message>
        <message>
            <source>Как это работает</source>
            <translation>Comment ça marche</translation>
        </message>
        <message>
            <source>Настройки</source>
            <translation>Réglages</translation>
        </message>
        <message>
            <source>Повторение</source>
            <translation>Révision</translation>
        </message>
    </context>
    <context>
        <name>CaptureOverlayView</name>
        <message>
            <source>Добавить в Anki и Quillmoor</source>
            <translation>Ajouter à Anki et Quillmoor</translation>
        </message>
        <message>
            <source>Добавлено в Anki и Quillmoor</source>
            <translation>Ajouté à Anki et Quillmoor</translation>
        </message>
        <message>
            <source>Добавляем…</source>
            <translation>Ajout en cours…</translation>
        </message>
        <message>
            <source>Значение недоступно</source>
            <translation>Définition indisponible</translation>
        </message>
        <message>
            <source>Не удалось — повторить</source>
            <translation>Échec — réessayer</translation>
        </message>
        <message>
            <source>Перевод недоступен</source>
            <translation>Traduction indisponible</translation>
        </message>
        <message>
            <source>Уточняем перевод…</source>
            <translation>Affinage de la traduction…</translation>
        </message>
    </context>
    <context>
        <name>CardDatabase</name>
        <message>
            <source>Не удалось создать локальное хранилище карточек: </source>
            <translation>Impossible de créer le stockage local des cartes : </translation>
        </message>
        <message>
            <source>файл %1 записан более новой версией Quillmoor (версия схемы %2, эта версия знает %3) и оставлен без изменений</source>
            <translation>le fichier %1 a été écrit par une version plus récente de Quillmoor (version de schéma %2, cette version connaît la %3) et n’a pas été modifié</translation>
        </message>
    </context>
    <context>
        <name>CrashReportOffer</name>
        <message>
            <source>Quillmoor неожиданно завершился</source>
            <translation>Quillmoor s’est fermé de manière inattendue</translation>
        </message>
        <message>
            <source>Отправить отчёт</source>
            <translation>Envoyer le rapport</translation>
        </message>
        <message>
            <source>Отчёт о сбое сохранён. Отправьте его разработчикам, чтобы ошибку исправили.</source>
            <translation>Un rapport de plantage a été enregistré. Envoyez-le aux développeurs pour que le problème soit corrigé.</translation>
        </message>
    </context>
    <context>
        <name>FeedbackService</name>
        <message>
            <source>Quillmoor — отзыв</source>
            <translation>Quillmoor — avis</translation>
        </message>
    </context>
    <context>
        <name>GrammarAnalysisView</name>
        <message>
            <source>Анализируем предложение…</source>
            <translation>Analyse de la phrase…</translation>
        </message>
        <message>
            <source>Грамматика верна</source>
            <translation>La grammaire est correcte</translation>
        </message>
        <message>
            <source>Закрыть</source>
            <translation>Fermer</translation>
        </message>
        <message>
            <source>Исправлено:</source>
            <translation>Corrigé :</translation>
        </message>
        <message>
            <source>Не удалось проанализировать</source>
            <translation>Impossible d’analyser la phrase</translation>
        </message>
        <message>
            <source>Повторить</source>
            <translation>Réessayer</translation>
        </message>
        <message>
            <source>Разбор грамматики</source>
            <translation>Analyse grammaticale</translation>
        </message>
        <message>
            <source>Разбор грамматики выполняет локальная языковая модель, но по адресу %1 никакой сервер модели не отвечает. Адрес задаётся в окне настроек, в разделе «Службы».</source>
            <translation>L’analyse grammaticale s’appuie sur un modèle de langue local, mais aucun serveur de modèle ne répond à l’adresse %1. Vous pouvez la définir dans la fenêtre des réglages, section « Services ».</translation>
        </message>
        <message>
            <source>Разбор грамматики доступен для двенадцати языков, которые можно изучать в Quillmoor. Язык этого предложения не удалось определить, или его среди них нет.</source>
            <translation>L’analyse grammaticale est disponible pour les douze langues que l’on peut étudier dans Quillmoor. La langue de cette phrase n’a pas pu être identifiée, ou elle n’en fait pas partie.</translation>
        </message>
        <message>
            <source>Язык пока не поддерживается</source>
            <translation>Langue pas encore prise en charge</translation>
        </message>
        <message>
            <source>Языковая модель недоступна</source>
            <translation>Modèle de langue indisponible</translation>
        </message>
    </context>
    <context>
        <name>GrammarCourseModel</name>
        <message>
            <source>Мои слова</source>
            <translation>Mes mots</translation>
        </message>
    </context>
    <context>
        <name>GrammarPracticeView</name>
        <message>
            <source>%1 из %2 · %3</source>
            <translation>%1 sur %2 · %3</translation>
        </message>
        <message>
            <source>Again</source>
            <translation>À revoir</translation>
        </message>
        <message>
            <source>Easy</source>
            <translation>Facile</translation>
        </message>
        <message>
            <source>Good</source>
            <translation>Correct</translation>
        </message>
        <message>
            <source>Hard</source>
            <translation>Difficile</translation>
        </message>
        <message>
            <source>Ваш ответ</source>
            <translation>Votre réponse</translation>
        </message>
        <message>
            <source>Верно!</source>
            <translation>Correct !</translation>
        </message>
        <message>
            <source>Всё повторено!</source>
            <translation>Tout est révisé !</translation>
        </message>
        <message>
            <source>Ещё нет персональных заданий</source>
            <translation>Pas encore d’exercices personnels</translation>
        </message>
        <message>
            <source>Не удалось сохранить оценку. Попробуйте ещё раз.</source>
            <translation>Impossible d’enregistrer la note. Réessayez.</translation>
        </message>
        <message>
            <source>Не удалось сохранить упражнения. Попробуйте ещё раз.</source>
            <translation>Impossible d’enregistrer les exercices. Réessayez.</translation>
        </message>
        <message>
            <source>Неверно — правильный ответ: %1</source>
            <translation>Incorrect — la bonne réponse est : %1</translation>
        </message>
        <message>
            <source>Новые задания появятся здесь, когда подойдёт время их повторить.</source>
            <translation>De nouveaux exercices apparaîtront ici quand il sera temps de les réviser.</translation>
        </message>
        <message>
            <source>Проверить</source>
            <translation>Vérifier</translation>
        </message>
        <message>
            <source>Сгенерировать</source>
            <translation>Générer</translation>
        </message>
        <message>
            <source>Сгенерируем несколько упражнений на основе слов, которые вы уже учите.</source>
            <translation>Nous allons créer quelques exercices à partir des mots que vous apprenez déjà.</translation>
        </message>
        <message>
            <source>Сначала добавьте и повторите хотя бы одно слово в словарной колоде.</source>
            <translation>Ajoutez et révisez d’abord au moins un mot dans votre paquet de vocabulaire.</translation>
        </message>
        <message>
            <source>Собранное предложение:</source>
            <translation>Phrase construite :</translation>
        </message>
        <message>
            <source>Создаём упражнения…</source>
            <translation>Création des exercices…</translation>
        </message>
    </context>
    <context>
        <name>GrammarTheoryView</name>
        <message>
            <source>Закрыть</source>
            <translation>Fermer</translation>
        </message>
        <message>
            <source>Начать упражнения</source>
            <translation>Commencer les exercices</translation>
        </message>
        <message>
            <source>Теория для этой темы пока не добавлена.</source>
            <translation>Il n’y a pas encore de théorie pour ce thème.</translation>
        </message>
    </context>
    <context>
        <name>GrammarTopicRow</name>
        <message>
            <source>Теория: %1</source>
            <translation>Théorie : %1</translation>
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
            <translation>Tous les thèmes du niveau commencés</translation>
        </message>
        <message>
            <source>Курс грамматики пока не готов для этого языка</source>
            <translation>Le cours de grammaire de cette langue n’est pas encore prêt</translation>
        </message>
        <message>
            <source>Мои слова</source>
            <translation>Mes mots</translation>
        </message>
        <message>
            <source>Мы работаем над тем, чтобы это исправить. А пока попробуйте раздел «Мои слова» — упражнения на основе вашего словаря.</source>
            <translation>Nous y travaillons. En attendant, essayez « Mes mots » : des exercices tirés de votre vocabulaire.</translation>
        </message>
        <message>
            <source>Назад</source>
            <translation>Retour</translation>
        </message>
        <message>
            <source>Ничего не нашлось по запросу "%1"</source>
            <translation>Aucun résultat pour « %1 »</translation>
        </message>
        <message>
            <source>Поиск темы</source>
            <translation>Rechercher un thème</translation>
        </message>
        <message>
            <source>Поиск темы — например, articles или артикли</source>
            <translation>Rechercher un thème, par ex. articles</translation>
        </message>
        <message>
            <source>Стрик: %1 🔥</source>
            <translation>Série : %1 🔥</translation>
        </message>
        <message>
            <source>Язык изучения</source>
            <translation>Langue étudiée</translation>
        </message>
    </context>
    <context>
        <name>GrammarWindowController</name>
        <message>
            <source>Грамматика</source>
            <translation>Grammaire</translation>
        </message>
    </context>
    <context>
        <name>HotkeyActions</name>
        <message>
            <source>Быстрый поиск</source>
            <translation>Recherche rapide</translation>
        </message>
        <message>
            <source>Наведение на слово</source>
            <translation>Survol d’un mot</translation>
        </message>
        <message>
            <source>Перевод выделения</source>
            <translation>Traduire la sélection</translation>
        </message>
        <message>
            <source>Проверка и объяснение грамматики выделения</source>
            <translation>Vérifie et explique la grammaire de la sélection</translation>
        </message>
        <message>
            <source>Работает при любой длине выделения</source>
            <translation>Fonctionne avec une sélection de toute longueur</translation>
        </message>
        <message>
            <source>Разбор грамматики</source>
            <translation>Analyse grammaticale</translation>
        </message>
        <message>
            <source>Удерживать над словом</source>
            <translation>Maintenir au-dessus d’un mot</translation>
        </message>
    </context>
    <context>
        <name>HotkeyRecorderView</name>
        <message>
            <source>Нажмите клавиши…</source>
            <translation>Appuyez sur les touches…</translation>
        </message>
        <message>
            <source>Эта комбинация уже занята другим действием</source>
            <translation>Cette combinaison est déjà utilisée par une autre action</translation>
        </message>
        <message>
            <source>Эту клавишу нельзя назначить без модификатора (Ctrl, Alt, Shift, Super) — иначе она будет срабатывать при обычном наборе текста.</source>
            <translation>Cette touche ne peut pas être attribuée sans modificateur (Ctrl, Alt, Shift, Super) — sinon elle se déclencherait pendant la saisie ordinaire.</translation>
        </message>
        <message>
            <source>⏎ подтвердить · ⎋ отмена</source>
            <translation>⏎ confirmer · ⎋ annuler</translation>
        </message>
    </context>
    <context>
        <name>LanguageDetector</name>
        <message>
            <source>По всей видимости, это %1 язык</source>
            <translation>La langue semble être : %1</translation>
        </message>
    </context>
    <context>
        <name>LookupCardModel</name>
        <message>
            <source>Для этой пары языков нужен сервер перевода или языковая модель (Настройки → Службы)</source>
            <translation>Cette paire de langues nécessite un serveur de traduction ou un modèle de langue (Paramètres → Services)</translation>
        </message>
        <message>
            <source>Установите пакет %1, чтобы переводить эту пару языков</source>
            <translation>Installez le paquet %1 pour traduire cette paire de langues</translation>
        </message>
    </context>
    <context>
        <name>NotificationService</name>
        <message>
            <source>Карточек на повторение: %1</source>
            <translation>Cartes à réviser : %1</translation>
        </message>
        <message>
            <source>Пора повторить слова</source>
            <translation>C’est l’heure de réviser vos mots</translation>
        </message>
        <message>
            <source>🏆 Новая награда: %1</source>
            <translation>🏆 Nouvelle récompense : %1</translation>
        </message>
    </context>
    <context>
        <name>QuickLookupView</name>
        <message>
            <source>Слово или предложение…</source>
            <translation>Mot ou phrase…</translation>
        </message>
    </context>
    <context>
        <name>ReviewCardView</name>
        <message>
            <source>Произношение</source>
            <translation>Prononciation</translation>
        </message>
    </context>
    <context>
        <name>ReviewView</name>
        <message>
            <source>%1 из %2</source>
            <translation>%1 sur %2</translation>
        </message>
        <message>
            <source>Все колоды</source>
            <translation>Tous les paquets</translation>
        </message>
        <message>
            <source>Всё повторено!</source>
            <translation>Tout est révisé !</translation>
        </message>
        <message>
            <source>Легко</source>
            <translation>Facile</translation>
        </message>
        <message>
            <source>Награды</source>
            <translation>Succès</translation>
        </message>
        <message>
            <source>Не удалось сохранить оценку. Попробуйте ещё раз.</source>
            <translation>Impossible d’enregistrer l’évaluation. Veuillez réessayer.</translation>
        </message>
        <message>
            <source>Новые карточки появятся здесь, когда подойдёт время их повторить.</source>
            <translation>Les nouvelles cartes apparaîtront ici lorsqu’il sera temps de les réviser.</translation>
        </message>
        <message>
            <source>Повтор</source>
            <translation>Révision</translation>
        </message>
        <message>
            <source>Показать ответ</source>
            <translation>Afficher la réponse</translation>
        </message>
        <message>
            <source>Снова</source>
            <translation>À revoir</translation>
        </message>
        <message>
            <source>Статистика</source>
            <translation>Statistiques</translation>
        </message>
        <message>
            <source>Трудно</source>
            <translation>Difficile</translation>
        </message>
        <message>
            <source>Хорошо</source>
            <translation>Bien</translation>
        </message>
    </context>
    <context>
        <name>ReviewWindowController</name>
        <message>
            <source>Повторение</source>
            <translation>Révision</translation>
        </message>
    </context>
    <context>
        <name>SessionCheck</name>
        <message>
            <source>Quillmoor работает в сеансах X11. В сеансе Wayland сочетания клавиш и захват слов под указателем недоступны; окна приложения работают как обычно. Чтобы пользоваться Quillmoor полностью, войдите в сеанс Xorg.</source>
            <translation>Quillmoor fonctionne dans les sessions X11. Dans une session Wayland, les raccourcis et la capture du mot sous le pointeur ne sont pas disponibles ; les fenêtres de l'application fonctionnent normalement. Pour profiter pleinement de Quillmoor, ouvrez une session Xorg.</translation>
        </message>
    </context>
    <context>
        <name>StatsFormat</name>
        <message>
            <source>Изучено %1 за %2 минут сегодня (%3 с/карточка)</source>
            <translation>Étudié aujourd’hui : %1 en %2 minutes (%3 s/carte)</translation>
        </message>
        <message>
            <source>Сегодня повторений ещё не было</source>
            <translation>Aucune révision aujourd’hui pour l’instant</translation>
        </message>
        <message>
            <source>дн.</source>
            <translation>j</translation>
        </message>
    </context>
    <context>
        <name>StatsView</name>
        <message>
            <source>В изучении</source>
            <translation>En cours</translation>
        </message>
        <message>
            <source>Освоено</source>
            <translation>Maîtrisées</translation>
        </message>
        <message>
            <source>Повторения за 16 недель</source>
            <translation>Révisions sur 16 semaines</translation>
        </message>
        <message>
            <source>Скоро на повторение</source>
            <translation>Révisions à venir</translation>
        </message>
        <message>
            <source>Средний интервал</source>
            <translation>Intervalle moyen</translation>
        </message>
        <message>
            <source>Успешно за 30 дней</source>
            <translation>Réussite sur 30 jours</translation>
        </message>
    </context>
    <context>
        <name>TrayIconController</name>
        <message>
            <source>Language Settings…</source>
            <translation>Réglages de langue…</translation>
        </message>
        <message>
            <source>QM</source>
            <translation>QM</translation>
        </message>
        <message>
            <source>Quick Lookup…</source>
            <translation>Recherche rapide…</translation>
        </message>
        <message>
            <source>Quit</source>
            <translation>Quitter</translation>
        </message>
        <message>
            <source>Грамматика…</source>
            <translation>Grammaire…</translation>
        </message>
        <message>
            <source>Как это работает…</source>
            <translation>Comment ça marche…</translation>
        </message>
        <message>
            <source>Отправить фидбек…</source>
            <translation>Envoyer un avis…</translation>
        </message>
        <message>
            <source>Повторение…</source>
            <translation>Révision…</translation>
        </message>
    </context>
</TS>
