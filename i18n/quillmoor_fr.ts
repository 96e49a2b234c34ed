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
        <name>AnkiGuideDisclosureRow</name>
        <message>
            <source>Как подключить Anki к Quillmoor</source>
            <translation>Comment connecter Anki à Quillmoor</translation>
        </message>
    </context>
    <context>
        <name>AnkiSetupGuide</name>
        <message>
            <source>AnkiConnect работает, только пока запущено само приложение Anki — можно свернуть его в фон, но не закрывать, пока пользуетесь Quillmoor.</source>
            <translation>AnkiConnect ne fonctionne que tant qu'Anki est lancé : vous pouvez le réduire, mais ne le fermez pas pendant que vous utilisez Quillmoor.</translation>
        </message>
        <message>
            <source>Аддон включается только после перезапуска — закройте Anki и откройте снова.</source>
            <translation>Le module ne s'active qu'après un redémarrage : fermez Anki et rouvrez-le.</translation>
        </message>
        <message>
            <source>Бесплатное приложение для карточек с интервальным повторением. Скачайте на %1, если его ещё нет, и запустите хотя бы раз.</source>
            <translation>L'application gratuite de cartes mémoire à répétition espacée. Téléchargez-la sur %1 si vous ne l'avez pas encore, et lancez-la au moins une fois.</translation>
        </message>
        <message>
            <source>В Anki: Tools → Add-ons → Get Add-ons…, введите код %1 и нажмите OK.</source>
            <translation>Dans Anki : Tools → Add-ons → Get Add-ons…, saisissez le code %1 et cliquez sur OK.</translation>
        </message>
        <message>
            <source>Готово</source>
            <translation>C'est prêt</translation>
        </message>
        <message>
            <source>Держите Anki открытым</source>
            <translation>Gardez Anki ouvert</translation>
        </message>
        <message>
            <source>Добавьте аддон AnkiConnect</source>
            <translation>Ajoutez le module AnkiConnect</translation>
        </message>
        <message>
            <source>Если в настройках AnkiConnect включена защита по API-ключу (Config → apiKey) — оставьте это поле пустым: Quillmoor пока не умеет его передавать.</source>
            <translation>Si la protection par clé d'API est activée dans les réglages d'AnkiConnect (Config → apiKey), laissez ce champ vide : Quillmoor ne sait pas encore la transmettre.</translation>
        </message>
        <message>
            <source>Колода с названием, указанным выше, создастся в Anki автоматически при первом сохранённом слове — вручную заводить её не нужно.</source>
            <translation>Le paquet portant le nom indiqué ci-dessus sera créé automatiquement dans Anki au premier mot enregistré : inutile de le créer à la main.</translation>
        </message>
        <message>
            <source>Перезапустите Anki</source>
            <translation>Redémarrez Anki</translation>
        </message>
        <message>
            <source>Пока карточки создаются по стандартному шаблону Anki «Basic» — если он удалён или переименован, сохранение будет выдавать ошибку. Мы уже работаем над тем, чтобы это улучшить.</source>
            <translation>Pour l'instant, les cartes sont créées avec le type de note standard d'Anki « Basic » : s'il a été supprimé ou renommé, l'enregistrement échouera. Nous travaillons déjà à améliorer cela.</translation>
        </message>
        <message>
            <source>Установите Anki</source>
            <translation>Installez Anki</translation>
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
        <name>ForgettingCurveDiagram</name>
        <message>
            <source>Без повторения</source>
            <translation>Sans révision</translation>
        </message>
        <message>
            <source>С повторением</source>
            <translation>Avec révision</translation>
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
            <translation>Sens</translation>
        </message>
        <message>
            <source>Meaning на языке оригинала</source>
            <translation>Sens expliqué dans la langue d'origine</translation>
        </message>
        <message>
            <source>Всё нужное уже установлено</source>
            <translation>Tout le nécessaire est déjà installé</translation>
        </message>
        <message>
            <source>Выключено</source>
            <translation>Désactivé</translation>
        </message>
        <message>
            <source>Если есть карточки на повторение</source>
            <translation>S'il y a des cartes à réviser</translation>
        </message>
        <message>
            <source>Запускать Quillmoor при входе в систему</source>
            <translation>Lancer Quillmoor à l’ouverture de session</translation>
        </message>
        <message>
            <source>Карточка</source>
            <translation>Carte</translation>
        </message>
        <message>
            <source>Ключ сервера</source>
            <translation>Clé du serveur</translation>
        </message>
        <message>
            <source>Колода</source>
            <translation>Paquet</translation>
        </message>
        <message>
            <source>Модель</source>
            <translation>Modèle</translation>
        </message>
        <message>
            <source>Модель картинок</source>
            <translation>Modèle d'images</translation>
        </message>
        <message>
            <source>Напоминать о повторении</source>
            <translation>Me rappeler de réviser</translation>
        </message>
        <message>
            <source>Не раньше</source>
            <translation>Pas avant</translation>
        </message>
        <message>
            <source>Нет ответа</source>
            <translation>Pas de réponse</translation>
        </message>
        <message>
            <source>Нужны для перевода на устройстве</source>
            <translation>Nécessaires pour traduire sur l'appareil</translation>
        </message>
        <message>
            <source>Отвечает</source>
            <translation>Répond</translation>
        </message>
        <message>
            <source>Отвечает · модели: %1</source>
            <translation>Répond · modèles : %1</translation>
        </message>
        <message>
            <source>Открываем…</source>
            <translation>Ouverture…</translation>
        </message>
        <message>
            <source>Перевод</source>
            <translation>Traduction</translation>
        </message>
        <message>
            <source>Перевод на другой язык</source>
            <translation>Traduction dans une autre langue</translation>
        </message>
        <message>
            <source>Проверяем…</source>
            <translation>Vérification…</translation>
        </message>
        <message>
            <source>Размер</source>
            <translation>Taille</translation>
        </message>
        <message>
            <source>Режим</source>
            <translation>Mode</translation>
        </message>
        <message>
            <source>Сервер картинок</source>
            <translation>Serveur d'images</translation>
        </message>
        <message>
            <source>Сервер перевода</source>
            <translation>Serveur de traduction</translation>
        </message>
        <message>
            <source>Скачать…</source>
            <translation>Télécharger…</translation>
        </message>
        <message>
            <source>Службы</source>
            <translation>Services</translation>
        </message>
        <message>
            <source>Такой модели нет · есть: %1</source>
            <translation>Modèle introuvable · disponibles : %1</translation>
        </message>
        <message>
            <source>Уведомления</source>
            <translation>Notifications</translation>
        </message>
        <message>
            <source>Установите пакеты в терминале:</source>
            <translation>Installez les paquets dans un terminal :</translation>
        </message>
        <message>
            <source>Установка… %1 %</source>
            <translation>Installation… %1 %</translation>
        </message>
        <message>
            <source>Установлено: %1</source>
            <translation>Installé : %1</translation>
        </message>
        <message>
            <source>Хоткеи</source>
            <translation>Raccourcis</translation>
        </message>
        <message>
            <source>Целевой язык глосс</source>
            <translation>Langue cible des gloses</translation>
        </message>
        <message>
            <source>Эта комбинация уже занята другим действием</source>
            <translation>Cette combinaison est déjà utilisée par une autre action</translation>
        </message>
        <message>
            <source>Язык интерфейса</source>
            <translation>Langue de l'interface</translation>
        </message>
        <message>
            <source>Язык перевода</source>
            <translation>Langue de traduction</translation>
        </message>
        <message>
            <source>Язык приложения</source>
            <translation>Langue de l'application</translation>
        </message>
        <message>
            <source>Языковая модель</source>
            <translation>Modèle de langue</translation>
        </message>
        <message>
            <source>Языковые пакеты</source>
            <translation>Packs de langues</translation>
        </message>
        <message>
            <source>первая из списка</source>
            <translation>la première de la liste</translation>
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
        <name>NoTrayWindow</name>
        <message>
            <source>Рабочий стол не показывает значки в трее. В GNOME их включает расширение AppIndicator (пакет %1).</source>
            <translation>Le bureau n'affiche pas d'icônes dans la zone de notification. Sous GNOME, l'extension AppIndicator les active (paquet %1).</translation>
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
        <name>OnboardingView</name>
        <message>
            <source>Quillmoor устроен вокруг погружения: вы наводите курсор на слово прямо там, где встретили его — в статье, субтитрах, переписке — и продолжаете читать, не выпадая из процесса. Слово запоминается вместе с контекстом, в котором вы его увидели, а не как оторванная карточка — именно так и формируется естественное чувство языка.</source>
            <translation>Quillmoor est conçu autour de l'immersion : vous survolez le mot là où vous l'avez rencontré — dans un article, des sous-titres, une conversation — et vous continuez à lire sans décrocher. Le mot est retenu avec le contexte dans lequel vous l'avez vu, et non comme une carte isolée : c'est précisément ainsi que se forme une intuition naturelle de la langue.</translation>
        </message>
        <message>
            <source>Без повторения память о новом слове угасает уже за несколько дней — это называют кривой забывания. Но если повторить слово в нужный момент, каждое следующее забывание идёт медленнее, а память закрепляется надолго.</source>
            <translation>Sans révision, le souvenir d'un nouveau mot s'efface en quelques jours : c'est ce qu'on appelle la courbe de l'oubli. Mais si vous révisez le mot au bon moment, chaque oubli suivant est plus lent et le souvenir s'ancre durablement.</translation>
        </message>
        <message>
            <source>Браузер, PDF, субтитры видео, даже игры и изображения — слово распознаётся прямо с экрана. Можно и ввести слово или предложение вручную через Быстрый поиск по отдельной горячей клавише.</source>
            <translation>Navigateur, PDF, sous-titres de vidéos, même les jeux et les images : le mot est reconnu directement à l'écran. Vous pouvez aussi saisir un mot ou une phrase dans la Recherche rapide, avec son propre raccourci.</translation>
        </message>
        <message>
            <source>Выберите язык интерфейса</source>
            <translation>Choisissez la langue de l'interface</translation>
        </message>
        <message>
            <source>Горячие клавиши</source>
            <translation>Raccourcis</translation>
        </message>
        <message>
            <source>Далее</source>
            <translation>Suivant</translation>
        </message>
        <message>
            <source>Добро пожаловать в Quillmoor</source>
            <translation>Bienvenue dans Quillmoor</translation>
        </message>
        <message>
            <source>Ищите Quillmoor в области уведомлений</source>
            <translation>Retrouvez Quillmoor dans la zone de notification</translation>
        </message>
        <message>
            <source>Как работает интервальное повторение</source>
            <translation>Comment fonctionne la répétition espacée</translation>
        </message>
        <message>
            <source>Можно изменить позже в настройках</source>
            <translation>Vous pourrez la changer plus tard dans les réglages</translation>
        </message>
        <message>
            <source>Наведите курсор на любое слово в любом приложении и зажмите клавишу-триггер (по умолчанию Alt) — рядом появится перевод, произношение и этимология, без переключения окон.</source>
            <translation>Placez le curseur sur n'importe quel mot dans n'importe quelle application et maintenez la touche de déclenchement (Alt par défaut) : la traduction, la prononciation et l'étymologie apparaissent juste à côté, sans changer de fenêtre.</translation>
        </message>
        <message>
            <source>Назад</source>
            <translation>Retour</translation>
        </message>
        <message>
            <source>Одним кликом добавляйте слова в Anki — бесплатное приложение, которое само планирует повторения: показывает карточку именно тогда, когда вы вот-вот забудете слово, и раздвигает интервал, если вы её помните.</source>
            <translation>Ajoutez des mots à Anki en un clic — une application gratuite qui planifie elle-même les révisions : elle vous montre une carte juste au moment où vous êtes sur le point d'oublier le mot, et espace les révisions si vous vous en souvenez.</translation>
        </message>
        <message>
            <source>Перевод слова с учётом контекста всего предложения, транскрипция и произношение вслух, этимология — и картинка, иллюстрирующая смысл. Всё сразу, одним наведением, плюс кнопка добавить карточку в Anki.</source>
            <translation>La traduction du mot selon le contexte de toute la phrase, la transcription et la prononciation à voix haute, l'étymologie — et une image qui illustre le sens. Tout d'un coup, d'un simple survol, avec un bouton pour ajouter la carte à Anki.</translation>
        </message>
        <message>
            <source>Погружение (immersion) — это изучение языка через настоящий контент на нём: статьи, видео, переписку, игры, а не через изолированные упражнения и списки слов из учебника. Мозг запоминает лучше, когда слово встречается в живом контексте, а не в отрыве от него.</source>
            <translation>L'immersion, c'est apprendre une langue à travers de vrais contenus dans cette langue — articles, vidéos, discussions, jeux — plutôt qu'avec des exercices isolés et des listes de mots tirées d'un manuel. Le cerveau retient mieux un mot rencontré dans un contexte vivant que coupé de tout contexte.</translation>
        </message>
        <message>
            <source>Почему мы забываем</source>
            <translation>Pourquoi nous oublions</translation>
        </message>
        <message>
            <source>Почему это так важно</source>
            <translation>Pourquoi c'est si important</translation>
        </message>
        <message>
            <source>Приступить к изучению</source>
            <translation>Commencer à apprendre</translation>
        </message>
        <message>
            <source>Работает где угодно</source>
            <translation>Fonctionne partout</translation>
        </message>
        <message>
            <source>У Quillmoor нет окна на панели задач — приложение живёт в области уведомлений (трее), значок «QM» обычно в углу верхней или нижней панели. Оттуда доступно всё: Повторение, Разбор грамматики, Настройки, Быстрый поиск. В GNOME значки трея видны только с расширением AppIndicator (пакет gnome-shell-extension-appindicator); без него Quillmoor открывает небольшое окно с теми же командами. Дополнительную информацию о настройке Anki вы сможете найти в настройках.</source>
            <translation>Quillmoor n'a pas de fenêtre dans la barre des tâches : l'application vit dans la zone de notification (la barre d'état système), et son icône « QM » se trouve généralement dans un coin du panneau supérieur ou inférieur. Tout y est accessible : Révision, Analyse grammaticale, Réglages, Recherche rapide. Sous GNOME, les icônes de la zone de notification ne s'affichent qu'avec l'extension AppIndicator (paquet gnome-shell-extension-appindicator) ; sans elle, Quillmoor ouvre une petite fenêtre avec les mêmes commandes. Vous trouverez plus d'informations sur la configuration d'Anki dans les réglages.</translation>
        </message>
        <message>
            <source>У каждого способа взаимодействия своя горячая клавиша: Alt — навести на слово, Ctrl+Alt — перевести выделение, Super+Shift — быстрый поиск, Ctrl+Alt+Shift — разбор грамматики. Если какая-то из них конфликтует с другими приложениями на компьютере — поменяйте её в любой момент в Настройках → Хоткеи: кликните на комбинацию и нажмите новую.</source>
            <translation>Chaque façon d'utiliser Quillmoor a son propre raccourci : Alt — survoler un mot, Ctrl+Alt — traduire la sélection, Super+Shift — recherche rapide, Ctrl+Alt+Shift — analyse grammaticale. Si l'un d'eux entre en conflit avec d'autres applications de votre ordinateur, changez-le à tout moment dans Réglages → Raccourcis : cliquez sur la combinaison et appuyez sur la nouvelle.</translation>
        </message>
        <message>
            <source>Что показывает карточка</source>
            <translation>Ce que montre la carte</translation>
        </message>
        <message>
            <source>Что такое погружение</source>
            <translation>Qu'est-ce que l'immersion</translation>
        </message>
        <message>
            <source>рекомендуем</source>
            <translation>recommandé</translation>
        </message>
    </context>
    <context>
        <name>PageDots</name>
        <message>
            <source>Страница %1 из %2</source>
            <translation>Page %1 sur %2</translation>
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
