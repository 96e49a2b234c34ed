<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="ru_RU">
    <context>
        <name>AccessibilityPrompt</name>
        <message>
            <source>Включить</source>
            <translation>Activar</translation>
        </message>
        <message>
            <source>Включить её сейчас? Приложения, запущенные раньше, нужно будет перезапустить, чтобы Quillmoor мог читать их текст.</source>
            <translation>¿Activarlo ahora? Las aplicaciones abiertas antes tendrán que reiniciarse para que Quillmoor pueda leer su texto.</translation>
        </message>
        <message>
            <source>Не сейчас</source>
            <translation>Ahora no</translation>
        </message>
        <message>
            <source>Не удалось включить службу специальных возможностей.</source>
            <translation>No se pudo activar el servicio de accesibilidad.</translation>
        </message>
        <message>
            <source>Чтобы читать слово под указателем, Quillmoor нужна служба специальных возможностей (AT-SPI), а она выключена.</source>
            <translation>Para leer la palabra bajo el puntero, Quillmoor necesita el servicio de accesibilidad (AT-SPI), que está desactivado.</translation>
        </message>
    </context>
    <context>
        <name>AchievementCatalog</name>
        <message>
            <source>10 освоенных слов</source>
            <translation>10 palabras dominadas</translation>
        </message>
        <message>
            <source>10 повторений</source>
            <translation>10 repasos</translation>
        </message>
        <message>
            <source>100 дней подряд</source>
            <translation>100 días seguidos</translation>
        </message>
        <message>
            <source>100 освоенных слов</source>
            <translation>100 palabras dominadas</translation>
        </message>
        <message>
            <source>100 повторений</source>
            <translation>100 repasos</translation>
        </message>
        <message>
            <source>1000 повторений</source>
            <translation>1000 repasos</translation>
        </message>
        <message>
            <source>3 дня подряд</source>
            <translation>3 días seguidos</translation>
        </message>
        <message>
            <source>30 дней подряд</source>
            <translation>30 días seguidos</translation>
        </message>
        <message>
            <source>50 карточек добавлено</source>
            <translation>50 tarjetas añadidas</translation>
        </message>
        <message>
            <source>7 дней подряд</source>
            <translation>7 días seguidos</translation>
        </message>
        <message>
            <source>Все темы уровня A1 пройдены</source>
            <translation>Todos los temas del nivel A1 completados</translation>
        </message>
        <message>
            <source>Все темы уровня A2 пройдены</source>
            <translation>Todos los temas del nivel A2 completados</translation>
        </message>
        <message>
            <source>Все темы уровня B1 пройдены</source>
            <translation>Todos los temas del nivel B1 completados</translation>
        </message>
        <message>
            <source>Грамматика: A1</source>
            <translation>Gramática: A1</translation>
        </message>
        <message>
            <source>Грамматика: A2</source>
            <translation>Gramática: A2</translation>
        </message>
        <message>
            <source>Грамматика: B1</source>
            <translation>Gramática: B1</translation>
        </message>
        <message>
            <source>Железная воля</source>
            <translation>Voluntad de hierro</translation>
        </message>
        <message>
            <source>Коллекционер</source>
            <translation>Coleccionista</translation>
        </message>
        <message>
            <source>Марафонец</source>
            <translation>Maratoniano</translation>
        </message>
        <message>
            <source>Месяц привычки</source>
            <translation>Un mes de hábito</translation>
        </message>
        <message>
            <source>Набираем обороты</source>
            <translation>Cogiendo ritmo</translation>
        </message>
        <message>
            <source>Начало пути</source>
            <translation>Comienza el viaje</translation>
        </message>
        <message>
            <source>Неделя силы</source>
            <translation>Semana de fuerza</translation>
        </message>
        <message>
            <source>Первая карточка</source>
            <translation>Primera tarjeta</translation>
        </message>
        <message>
            <source>Первые шаги</source>
            <translation>Primeros pasos</translation>
        </message>
        <message>
            <source>Первый багаж</source>
            <translation>Primer equipaje</translation>
        </message>
        <message>
            <source>Разогрелись</source>
            <translation>Entrando en calor</translation>
        </message>
        <message>
            <source>Словарный запас</source>
            <translation>Vocabulario</translation>
        </message>
    </context>
    <context>
        <name>AchievementTile</name>
        <message>
            <source>ещё не получена</source>
            <translation>aún no conseguida</translation>
        </message>
        <message>
            <source>получена</source>
            <translation>conseguida</translation>
        </message>
    </context>
    <context>
        <name>AchievementsView</name>
        <message>
            <source>Открыто %1 из %2</source>
            <translation>%1 de %2 desbloqueados</translation>
        </message>
    </context>
    <context>
        <name>AnkiAddAction</name>
        <message>
            <source>Не удалось сохранить карточку в Quillmoor.</source>
            <translation>No se pudo guardar la tarjeta en Quillmoor.</translation>
        </message>
    </context>
    <context>
        <name>AnkiConnectError</name>
        <message>
            <source>Anki вернул ошибку: %1</source>
            <translation>Anki devolvió un error: %1</translation>
        </message>
        <message>
            <source>Anki прислал неожиданный ответ.</source>
            <translation>Anki envió una respuesta inesperada.</translation>
        </message>
        <message>
            <source>Не удалось подключиться к Anki. Убедись, что Anki запущен и установлен аддон AnkiConnect.</source>
            <translation>No se pudo conectar con Anki. Asegúrate de que Anki esté abierto y de que el complemento AnkiConnect esté instalado.</translation>
        </message>
    </context>
    <context>
        <name>AnkiGuideDisclosureRow</name>
        <message>
            <source>Как подключить Anki к Quillmoor</source>
            <translation>Cómo conectar Anki con Quillmoor</translation>
        </message>
    </context>
    <context>
        <name>AnkiSetupGuide</name>
        <message>
            <source>AnkiConnect работает, только пока запущено само приложение Anki — можно свернуть его в фон, но не закрывать, пока пользуетесь Quillmoor.</source>
            <translation>AnkiConnect solo funciona mientras Anki está abierto: puedes minimizarlo, pero no lo cierres mientras usas Quillmoor.</translation>
        </message>
        <message>
            <source>Аддон включается только после перезапуска — закройте Anki и откройте снова.</source>
            <translation>El complemento solo se activa tras reiniciar: cierra Anki y vuelve a abrirlo.</translation>
        </message>
        <message>
            <source>Бесплатное приложение для карточек с интервальным повторением. Скачайте на %1, если его ещё нет, и запустите хотя бы раз.</source>
            <translation>La aplicación gratuita de tarjetas con repetición espaciada. Descárgala de %1 si aún no la tienes y ábrela al menos una vez.</translation>
        </message>
        <message>
            <source>В Anki: Tools → Add-ons → Get Add-ons…, введите код %1 и нажмите OK.</source>
            <translation>En Anki: Tools → Add-ons → Get Add-ons…, introduce el código %1 y pulsa OK.</translation>
        </message>
        <message>
            <source>Готово</source>
            <translation>Listo</translation>
        </message>
        <message>
            <source>Держите Anki открытым</source>
            <translation>Mantén Anki abierto</translation>
        </message>
        <message>
            <source>Добавьте аддон AnkiConnect</source>
            <translation>Añade el complemento AnkiConnect</translation>
        </message>
        <message>
            <source>Если в настройках AnkiConnect включена защита по API-ключу (Config → apiKey) — оставьте это поле пустым: Quillmoor пока не умеет его передавать.</source>
            <translation>Si en la configuración de AnkiConnect está activada la protección con clave API (Config → apiKey), deja ese campo vacío: Quillmoor todavía no sabe enviarla.</translation>
        </message>
        <message>
            <source>Колода с названием, указанным выше, создастся в Anki автоматически при первом сохранённом слове — вручную заводить её не нужно.</source>
            <translation>El mazo con el nombre indicado arriba se crea en Anki automáticamente con la primera palabra que guardes; no hace falta crearlo a mano.</translation>
        </message>
        <message>
            <source>Перезапустите Anki</source>
            <translation>Reinicia Anki</translation>
        </message>
        <message>
            <source>Пока карточки создаются по стандартному шаблону Anki «Basic» — если он удалён или переименован, сохранение будет выдавать ошибку. Мы уже работаем над тем, чтобы это улучшить.</source>
            <translation>Por ahora las tarjetas se crean con el tipo de nota estándar de Anki «Basic»; si se ha eliminado o renombrado, guardar dará error. Ya estamos trabajando para mejorarlo.</translation>
        </message>
        <message>
            <source>Установите Anki</source>
            <translation>Instala Anki</translation>
        </message>
    </context>
    <context>
        <name>AppSectionNavBar</name>
        <message>
            <source>Грамматика</source>
            <translation>Gramática</translation>
        </message>
        <message>
            <source>Как это работает</source>
            <translation>Cómo funciona</translation>
        </message>
        <message>
            <source>Настройки</source>
            <translation>Ajustes</translation>
        </message>
        <message>
            <source>Повторение</source>
            <translation>Repaso</translation>
        </message>
    </context>
    <context>
        <name>CaptureOverlayView</name>
        <message>
            <source>Добавить в Anki и Quillmoor</source>
            <translation>Añadir a Anki y Quillmoor</translation>
        </message>
        <message>
            <source>Добавлено в Anki и Quillmoor</source>
            <translation>Añadido a Anki y Quillmoor</translation>
        </message>
        <message>
            <source>Добавляем…</source>
            <translation>Añadiendo…</translation>
        </message>
        <message>
            <source>Значение недоступно</source>
            <translation>Significado no disponible</translation>
        </message>
        <message>
            <source>Не удалось — повторить</source>
            <translation>Error: volver a intentarlo</translation>
        </message>
        <message>
            <source>Перевод недоступен</source>
            <translation>Traducción no disponible</translation>
        </message>
        <message>
            <source>Уточняем перевод…</source>
            <translation>Afinando la traducción…</translation>
        </message>
    </context>
    <context>
        <name>CardDatabase</name>
        <message>
            <source>Не удалось создать локальное хранилище карточек: </source>
            <translation>No se pudo crear el almacén local de tarjetas: </translation>
        </message>
        <message>
            <source>файл %1 записан более новой версией Quillmoor (версия схемы %2, эта версия знает %3) и оставлен без изменений</source>
            <translation>el archivo %1 fue escrito por una versión más reciente de Quillmoor (versión de esquema %2; esta versión conoce la %3) y se ha dejado sin cambios</translation>
        </message>
    </context>
    <context>
        <name>CrashReportOffer</name>
        <message>
            <source>Quillmoor неожиданно завершился</source>
            <translation>Quillmoor se cerró inesperadamente</translation>
        </message>
        <message>
            <source>Отправить отчёт</source>
            <translation>Enviar informe</translation>
        </message>
        <message>
            <source>Отчёт о сбое сохранён. Отправьте его разработчикам, чтобы ошибку исправили.</source>
            <translation>Se guardó un informe del fallo. Envíalo a los desarrolladores para que puedan corregir el error.</translation>
        </message>
    </context>
    <context>
        <name>FeedbackService</name>
        <message>
            <source>Quillmoor — отзыв</source>
            <translation>Quillmoor — comentarios</translation>
        </message>
    </context>
    <context>
        <name>ForgettingCurveDiagram</name>
        <message>
            <source>Без повторения</source>
            <translation>Sin repaso</translation>
        </message>
        <message>
            <source>С повторением</source>
            <translation>Con repaso</translation>
        </message>
    </context>
    <context>
        <name>GrammarAnalysisView</name>
        <message>
            <source>Анализируем предложение…</source>
            <translation>Analizando la frase…</translation>
        </message>
        <message>
            <source>Грамматика верна</source>
            <translation>La gramática es correcta</translation>
        </message>
        <message>
            <source>Закрыть</source>
            <translation>Cerrar</translation>
        </message>
        <message>
            <source>Исправлено:</source>
            <translation>Corregido:</translation>
        </message>
        <message>
            <source>Не удалось проанализировать</source>
            <translation>No se ha podido analizar</translation>
        </message>
        <message>
            <source>Повторить</source>
            <translation>Reintentar</translation>
        </message>
        <message>
            <source>Разбор грамматики</source>
            <translation>Análisis gramatical</translation>
        </message>
        <message>
            <source>Разбор грамматики выполняет локальная языковая модель, но по адресу %1 никакой сервер модели не отвечает. Адрес задаётся в окне настроек, в разделе «Службы».</source>
            <translation>El análisis gramatical se hace con un modelo de lenguaje local, pero ningún servidor de modelos responde en %1. La dirección se configura en la ventana de ajustes, en la sección «Servicios».</translation>
        </message>
        <message>
            <source>Разбор грамматики доступен для двенадцати языков, которые можно изучать в Quillmoor. Язык этого предложения не удалось определить, или его среди них нет.</source>
            <translation>El análisis gramatical está disponible para los doce idiomas que se pueden estudiar en Quillmoor. No se ha podido identificar el idioma de esta frase, o no es uno de ellos.</translation>
        </message>
        <message>
            <source>Язык пока не поддерживается</source>
            <translation>Idioma aún no compatible</translation>
        </message>
        <message>
            <source>Языковая модель недоступна</source>
            <translation>Modelo de lenguaje no disponible</translation>
        </message>
    </context>
    <context>
        <name>GrammarCourseModel</name>
        <message>
            <source>Мои слова</source>
            <translation>Mis palabras</translation>
        </message>
    </context>
    <context>
        <name>GrammarPracticeView</name>
        <message>
            <source>%1 из %2 · %3</source>
            <translation>%1 de %2 · %3</translation>
        </message>
        <message>
            <source>Again</source>
            <translation>Otra vez</translation>
        </message>
        <message>
            <source>Easy</source>
            <translation>Fácil</translation>
        </message>
        <message>
            <source>Good</source>
            <translation>Bien</translation>
        </message>
        <message>
            <source>Hard</source>
            <translation>Difícil</translation>
        </message>
        <message>
            <source>Ваш ответ</source>
            <translation>Tu respuesta</translation>
        </message>
        <message>
            <source>Верно!</source>
            <translation>¡Correcto!</translation>
        </message>
        <message>
            <source>Всё повторено!</source>
            <translation>¡Todo repasado!</translation>
        </message>
        <message>
            <source>Ещё нет персональных заданий</source>
            <translation>Aún no hay ejercicios personales</translation>
        </message>
        <message>
            <source>Не удалось сохранить оценку. Попробуйте ещё раз.</source>
            <translation>No se pudo guardar la valoración. Inténtalo de nuevo.</translation>
        </message>
        <message>
            <source>Не удалось сохранить упражнения. Попробуйте ещё раз.</source>
            <translation>No se pudieron guardar los ejercicios. Inténtalo de nuevo.</translation>
        </message>
        <message>
            <source>Неверно — правильный ответ: %1</source>
            <translation>Incorrecto: la respuesta correcta es %1</translation>
        </message>
        <message>
            <source>Новые задания появятся здесь, когда подойдёт время их повторить.</source>
            <translation>Los nuevos ejercicios aparecerán aquí cuando toque repasarlos.</translation>
        </message>
        <message>
            <source>Проверить</source>
            <translation>Comprobar</translation>
        </message>
        <message>
            <source>Сгенерировать</source>
            <translation>Generar</translation>
        </message>
        <message>
            <source>Сгенерируем несколько упражнений на основе слов, которые вы уже учите.</source>
            <translation>Generaremos algunos ejercicios con las palabras que ya estás aprendiendo.</translation>
        </message>
        <message>
            <source>Сначала добавьте и повторите хотя бы одно слово в словарной колоде.</source>
            <translation>Primero añade y repasa al menos una palabra en tu mazo de vocabulario.</translation>
        </message>
        <message>
            <source>Собранное предложение:</source>
            <translation>Tu frase:</translation>
        </message>
        <message>
            <source>Создаём упражнения…</source>
            <translation>Creando ejercicios…</translation>
        </message>
    </context>
    <context>
        <name>GrammarTheoryView</name>
        <message>
            <source>Закрыть</source>
            <translation>Cerrar</translation>
        </message>
        <message>
            <source>Начать упражнения</source>
            <translation>Empezar los ejercicios</translation>
        </message>
        <message>
            <source>Теория для этой темы пока не добавлена.</source>
            <translation>Todavía no hay teoría para este tema.</translation>
        </message>
    </context>
    <context>
        <name>GrammarTopicRow</name>
        <message>
            <source>Теория: %1</source>
            <translation>Teoría: %1</translation>
        </message>
    </context>
    <context>
        <name>GrammarView</name>
        <message>
            <source>Авто</source>
            <translation>Automático</translation>
        </message>
        <message>
            <source>Все темы уровня начаты</source>
            <translation>Todos los temas del nivel empezados</translation>
        </message>
        <message>
            <source>Курс грамматики пока не готов для этого языка</source>
            <translation>El curso de gramática para este idioma aún no está listo</translation>
        </message>
        <message>
            <source>Мои слова</source>
            <translation>Mis palabras</translation>
        </message>
        <message>
            <source>Мы работаем над тем, чтобы это исправить. А пока попробуйте раздел «Мои слова» — упражнения на основе вашего словаря.</source>
            <translation>Estamos trabajando en ello. Mientras tanto, prueba «Mis palabras»: ejercicios basados en tu vocabulario.</translation>
        </message>
        <message>
            <source>Назад</source>
            <translation>Atrás</translation>
        </message>
        <message>
            <source>Ничего не нашлось по запросу "%1"</source>
            <translation>No se encontró nada para «%1»</translation>
        </message>
        <message>
            <source>Поиск темы</source>
            <translation>Buscar tema</translation>
        </message>
        <message>
            <source>Поиск темы — например, articles или артикли</source>
            <translation>Buscar un tema, p. ej. articles</translation>
        </message>
        <message>
            <source>Стрик: %1 🔥</source>
            <translation>Racha: %1 🔥</translation>
        </message>
        <message>
            <source>Язык изучения</source>
            <translation>Idioma de estudio</translation>
        </message>
    </context>
    <context>
        <name>GrammarWindowController</name>
        <message>
            <source>Грамматика</source>
            <translation>Gramática</translation>
        </message>
    </context>
    <context>
        <name>HotkeyActions</name>
        <message>
            <source>Быстрый поиск</source>
            <translation>Búsqueda rápida</translation>
        </message>
        <message>
            <source>Наведение на слово</source>
            <translation>Pasar sobre una palabra</translation>
        </message>
        <message>
            <source>Перевод выделения</source>
            <translation>Traducir la selección</translation>
        </message>
        <message>
            <source>Проверка и объяснение грамматики выделения</source>
            <translation>Revisa y explica la gramática de la selección</translation>
        </message>
        <message>
            <source>Работает при любой длине выделения</source>
            <translation>Funciona con selecciones de cualquier longitud</translation>
        </message>
        <message>
            <source>Разбор грамматики</source>
            <translation>Análisis gramatical</translation>
        </message>
        <message>
            <source>Удерживать над словом</source>
            <translation>Mantener sobre una palabra</translation>
        </message>
    </context>
    <context>
        <name>HotkeyRecorderView</name>
        <message>
            <source>Нажмите клавиши…</source>
            <translation>Pulse las teclas…</translation>
        </message>
        <message>
            <source>Эта комбинация уже занята другим действием</source>
            <translation>Esta combinación ya la usa otra acción</translation>
        </message>
        <message>
            <source>Эту клавишу нельзя назначить без модификатора (Ctrl, Alt, Shift, Super) — иначе она будет срабатывать при обычном наборе текста.</source>
            <translation>Esta tecla no se puede asignar sin un modificador (Ctrl, Alt, Shift, Super): de lo contrario se activaría al escribir normalmente.</translation>
        </message>
        <message>
            <source>⏎ подтвердить · ⎋ отмена</source>
            <translation>⏎ confirmar · ⎋ cancelar</translation>
        </message>
    </context>
    <context>
        <name>LanguageDetector</name>
        <message>
            <source>По всей видимости, это %1 язык</source>
            <translation>Parece que el idioma es %1</translation>
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
            <translation>Significado</translation>
        </message>
        <message>
            <source>Meaning на языке оригинала</source>
            <translation>Significado en el idioma original</translation>
        </message>
        <message>
            <source>Всё нужное уже установлено</source>
            <translation>Todo lo necesario ya está instalado</translation>
        </message>
        <message>
            <source>Выключено</source>
            <translation>Desactivado</translation>
        </message>
        <message>
            <source>Если есть карточки на повторение</source>
            <translation>Si hay tarjetas para repasar</translation>
        </message>
        <message>
            <source>Запускать Quillmoor при входе в систему</source>
            <translation>Iniciar Quillmoor al iniciar sesión</translation>
        </message>
        <message>
            <source>Карточка</source>
            <translation>Tarjeta</translation>
        </message>
        <message>
            <source>Ключ сервера</source>
            <translation>Clave del servidor</translation>
        </message>
        <message>
            <source>Колода</source>
            <translation>Mazo</translation>
        </message>
        <message>
            <source>Модель</source>
            <translation>Modelo</translation>
        </message>
        <message>
            <source>Модель картинок</source>
            <translation>Modelo de imágenes</translation>
        </message>
        <message>
            <source>Напоминать о повторении</source>
            <translation>Recordarme repasar</translation>
        </message>
        <message>
            <source>Не раньше</source>
            <translation>No antes de</translation>
        </message>
        <message>
            <source>Нет ответа</source>
            <translation>Sin respuesta</translation>
        </message>
        <message>
            <source>Нужны для перевода на устройстве</source>
            <translation>Necesarios para traducir en el dispositivo</translation>
        </message>
        <message>
            <source>Отвечает</source>
            <translation>Responde</translation>
        </message>
        <message>
            <source>Отвечает · модели: %1</source>
            <translation>Responde · modelos: %1</translation>
        </message>
        <message>
            <source>Открываем…</source>
            <translation>Abriendo…</translation>
        </message>
        <message>
            <source>Перевод</source>
            <translation>Traducción</translation>
        </message>
        <message>
            <source>Перевод на другой язык</source>
            <translation>Traducción a otro idioma</translation>
        </message>
        <message>
            <source>Проверяем…</source>
            <translation>Comprobando…</translation>
        </message>
        <message>
            <source>Размер</source>
            <translation>Tamaño</translation>
        </message>
        <message>
            <source>Режим</source>
            <translation>Modo</translation>
        </message>
        <message>
            <source>Сервер картинок</source>
            <translation>Servidor de imágenes</translation>
        </message>
        <message>
            <source>Сервер перевода</source>
            <translation>Servidor de traducción</translation>
        </message>
        <message>
            <source>Скачать…</source>
            <translation>Descargar…</translation>
        </message>
        <message>
            <source>Службы</source>
            <translation>Servicios</translation>
        </message>
        <message>
            <source>Такой модели нет · есть: %1</source>
            <translation>Ese modelo no existe · hay: %1</translation>
        </message>
        <message>
            <source>Уведомления</source>
            <translation>Notificaciones</translation>
        </message>
        <message>
            <source>Установите пакеты в терминале:</source>
            <translation>Instala los paquetes en una terminal:</translation>
        </message>
        <message>
            <source>Установка… %1 %</source>
            <translation>Instalando… %1 %</translation>
        </message>
        <message>
            <source>Установлено: %1</source>
            <translation>Instalado: %1</translation>
        </message>
        <message>
            <source>Хоткеи</source>
            <translation>Atajos</translation>
        </message>
        <message>
            <source>Целевой язык глосс</source>
            <translation>Idioma de destino de las glosas</translation>
        </message>
        <message>
            <source>Эта комбинация уже занята другим действием</source>
            <translation>Esta combinación ya la usa otra acción</translation>
        </message>
        <message>
            <source>Язык интерфейса</source>
            <translation>Idioma de la interfaz</translation>
        </message>
        <message>
            <source>Язык перевода</source>
            <translation>Idioma de traducción</translation>
        </message>
        <message>
            <source>Язык приложения</source>
            <translation>Idioma de la aplicación</translation>
        </message>
        <message>
            <source>Языковая модель</source>
            <translation>Modelo de lenguaje</translation>
        </message>
        <message>
            <source>Языковые пакеты</source>
            <translation>Paquetes de idioma</translation>
        </message>
        <message>
            <source>первая из списка</source>
            <translation>la primera de la lista</translation>
        </message>
    </context>
    <context>
        <name>LookupCardModel</name>
        <message>
            <source>Для этой пары языков нужен сервер перевода или языковая модель (Настройки → Службы)</source>
            <translation>Este par de idiomas necesita un servidor de traducción o un modelo de lenguaje (Ajustes → Servicios)</translation>
        </message>
        <message>
            <source>Установите пакет %1, чтобы переводить эту пару языков</source>
            <translation>Instala el paquete %1 para traducir este par de idiomas</translation>
        </message>
    </context>
    <context>
        <name>NoTrayWindow</name>
        <message>
            <source>Рабочий стол не показывает значки в трее. В GNOME их включает расширение AppIndicator (пакет %1).</source>
            <translation>El escritorio no muestra iconos en la bandeja. En GNOME los activa la extensión AppIndicator (paquete %1).</translation>
        </message>
    </context>
    <context>
        <name>NotificationService</name>
        <message>
            <source>Карточек на повторение: %1</source>
            <translation>Tarjetas para repasar: %1</translation>
        </message>
        <message>
            <source>Пора повторить слова</source>
            <translation>Es hora de repasar tus palabras</translation>
        </message>
        <message>
            <source>🏆 Новая награда: %1</source>
            <translation>🏆 Nuevo logro: %1</translation>
        </message>
    </context>
    <context>
        <name>OnboardingView</name>
        <message>
            <source>Quillmoor устроен вокруг погружения: вы наводите курсор на слово прямо там, где встретили его — в статье, субтитрах, переписке — и продолжаете читать, не выпадая из процесса. Слово запоминается вместе с контекстом, в котором вы его увидели, а не как оторванная карточка — именно так и формируется естественное чувство языка.</source>
            <translation>Quillmoor gira en torno a la inmersión: apuntas a la palabra justo donde la encontraste —en un artículo, unos subtítulos, una conversación— y sigues leyendo sin salir de lo que estabas haciendo. La palabra se recuerda junto con el contexto en el que la viste, no como una tarjeta suelta, y así es precisamente como se desarrolla una intuición natural para el idioma.</translation>
        </message>
        <message>
            <source>Без повторения память о новом слове угасает уже за несколько дней — это называют кривой забывания. Но если повторить слово в нужный момент, каждое следующее забывание идёт медленнее, а память закрепляется надолго.</source>
            <translation>Sin repaso, el recuerdo de una palabra nueva se desvanece en pocos días: es lo que se llama la curva del olvido. Pero si repasas la palabra en el momento justo, cada olvido siguiente es más lento y el recuerdo se afianza por mucho tiempo.</translation>
        </message>
        <message>
            <source>Браузер, PDF, субтитры видео, даже игры и изображения — слово распознаётся прямо с экрана. Можно и ввести слово или предложение вручную через Быстрый поиск по отдельной горячей клавише.</source>
            <translation>Navegador, PDF, subtítulos de vídeo, incluso juegos e imágenes: la palabra se reconoce directamente en la pantalla. También puedes escribir una palabra o una frase a mano en la Búsqueda rápida, con su propio atajo.</translation>
        </message>
        <message>
            <source>Выберите язык интерфейса</source>
            <translation>Elige el idioma de la interfaz</translation>
        </message>
        <message>
            <source>Горячие клавиши</source>
            <translation>Atajos</translation>
        </message>
        <message>
            <source>Далее</source>
            <translation>Siguiente</translation>
        </message>
        <message>
            <source>Добро пожаловать в Quillmoor</source>
            <translation>Bienvenido a Quillmoor</translation>
        </message>
        <message>
            <source>Ищите Quillmoor в области уведомлений</source>
            <translation>Busca Quillmoor en el área de notificación</translation>
        </message>
        <message>
            <source>Как работает интервальное повторение</source>
            <translation>Cómo funciona la repetición espaciada</translation>
        </message>
        <message>
            <source>Можно изменить позже в настройках</source>
            <translation>Puedes cambiarlo más tarde en los ajustes</translation>
        </message>
        <message>
            <source>Наведите курсор на любое слово в любом приложении и зажмите клавишу-триггер (по умолчанию Alt) — рядом появится перевод, произношение и этимология, без переключения окон.</source>
            <translation>Apunta con el cursor a cualquier palabra en cualquier aplicación y mantén pulsada la tecla de activación (Alt por defecto): al lado aparecerán la traducción, la pronunciación y la etimología, sin cambiar de ventana.</translation>
        </message>
        <message>
            <source>Назад</source>
            <translation>Atrás</translation>
        </message>
        <message>
            <source>Одним кликом добавляйте слова в Anki — бесплатное приложение, которое само планирует повторения: показывает карточку именно тогда, когда вы вот-вот забудете слово, и раздвигает интервал, если вы её помните.</source>
            <translation>Añade palabras a Anki con un clic: una aplicación gratuita que planifica los repasos por ti. Te muestra la tarjeta justo cuando estás a punto de olvidar la palabra y alarga el intervalo si la recuerdas.</translation>
        </message>
        <message>
            <source>Перевод слова с учётом контекста всего предложения, транскрипция и произношение вслух, этимология — и картинка, иллюстрирующая смысл. Всё сразу, одним наведением, плюс кнопка добавить карточку в Anki.</source>
            <translation>La traducción de la palabra según el contexto de toda la oración, la transcripción y la pronunciación en voz alta, la etimología y una imagen que ilustra el significado. Todo a la vez, con solo apuntar, y además un botón para añadir la tarjeta a Anki.</translation>
        </message>
        <message>
            <source>Погружение (immersion) — это изучение языка через настоящий контент на нём: статьи, видео, переписку, игры, а не через изолированные упражнения и списки слов из учебника. Мозг запоминает лучше, когда слово встречается в живом контексте, а не в отрыве от него.</source>
            <translation>La inmersión consiste en aprender un idioma a través de contenido real en ese idioma —artículos, vídeos, conversaciones, juegos— y no con ejercicios aislados y listas de palabras de un libro de texto. El cerebro recuerda mejor cuando la palabra aparece en un contexto vivo y no aislada.</translation>
        </message>
        <message>
            <source>Почему мы забываем</source>
            <translation>Por qué olvidamos</translation>
        </message>
        <message>
            <source>Почему это так важно</source>
            <translation>Por qué es tan importante</translation>
        </message>
        <message>
            <source>Приступить к изучению</source>
            <translation>Empezar a aprender</translation>
        </message>
        <message>
            <source>Работает где угодно</source>
            <translation>Funciona en cualquier sitio</translation>
        </message>
        <message>
            <source>У Quillmoor нет окна на панели задач — приложение живёт в области уведомлений (трее), значок «QM» обычно в углу верхней или нижней панели. Оттуда доступно всё: Повторение, Разбор грамматики, Настройки, Быстрый поиск. В GNOME значки трея видны только с расширением AppIndicator (пакет gnome-shell-extension-appindicator); без него Quillmoor открывает небольшое окно с теми же командами. Дополнительную информацию о настройке Anki вы сможете найти в настройках.</source>
            <translation>Quillmoor no tiene ventana en la barra de tareas: vive en el área de notificación (la bandeja del sistema), y su icono «QM» suele estar en una esquina del panel superior o inferior. Desde ahí tienes todo: Repaso, Análisis gramatical, Ajustes, Búsqueda rápida. En GNOME, los iconos de la bandeja solo se ven con la extensión AppIndicator (paquete gnome-shell-extension-appindicator); sin ella, Quillmoor abre una pequeña ventana con los mismos comandos. Encontrarás más información sobre cómo configurar Anki en los ajustes.</translation>
        </message>
        <message>
            <source>У каждого способа взаимодействия своя горячая клавиша: Alt — навести на слово, Ctrl+Alt — перевести выделение, Super+Shift — быстрый поиск, Ctrl+Alt+Shift — разбор грамматики. Если какая-то из них конфликтует с другими приложениями на компьютере — поменяйте её в любой момент в Настройках → Хоткеи: кликните на комбинацию и нажмите новую.</source>
            <translation>Cada forma de usar Quillmoor tiene su propio atajo: Alt — apuntar a una palabra, Ctrl+Alt — traducir la selección, Super+Shift — búsqueda rápida, Ctrl+Alt+Shift — análisis gramatical. Si alguno choca con otras aplicaciones de tu ordenador, cámbialo cuando quieras en Ajustes → Atajos: haz clic en la combinación y pulsa una nueva.</translation>
        </message>
        <message>
            <source>Что показывает карточка</source>
            <translation>Qué muestra la tarjeta</translation>
        </message>
        <message>
            <source>Что такое погружение</source>
            <translation>Qué es la inmersión</translation>
        </message>
        <message>
            <source>рекомендуем</source>
            <translation>recomendado</translation>
        </message>
    </context>
    <context>
        <name>PageDots</name>
        <message>
            <source>Страница %1 из %2</source>
            <translation>Página %1 de %2</translation>
        </message>
    </context>
    <context>
        <name>QuickLookupView</name>
        <message>
            <source>Слово или предложение…</source>
            <translation>Palabra o frase…</translation>
        </message>
    </context>
    <context>
        <name>ReviewCardView</name>
        <message>
            <source>Произношение</source>
            <translation>Pronunciación</translation>
        </message>
    </context>
    <context>
        <name>ReviewView</name>
        <message>
            <source>%1 из %2</source>
            <translation>%1 de %2</translation>
        </message>
        <message>
            <source>Все колоды</source>
            <translation>Todos los mazos</translation>
        </message>
        <message>
            <source>Всё повторено!</source>
            <translation>¡Todo repasado!</translation>
        </message>
        <message>
            <source>Легко</source>
            <translation>Fácil</translation>
        </message>
        <message>
            <source>Награды</source>
            <translation>Logros</translation>
        </message>
        <message>
            <source>Не удалось сохранить оценку. Попробуйте ещё раз.</source>
            <translation>No se pudo guardar la valoración. Inténtalo de nuevo.</translation>
        </message>
        <message>
            <source>Новые карточки появятся здесь, когда подойдёт время их повторить.</source>
            <translation>Las tarjetas nuevas aparecerán aquí cuando toque repasarlas.</translation>
        </message>
        <message>
            <source>Повтор</source>
            <translation>Repaso</translation>
        </message>
        <message>
            <source>Показать ответ</source>
            <translation>Mostrar respuesta</translation>
        </message>
        <message>
            <source>Снова</source>
            <translation>Otra vez</translation>
        </message>
        <message>
            <source>Статистика</source>
            <translation>Estadísticas</translation>
        </message>
        <message>
            <source>Трудно</source>
            <translation>Difícil</translation>
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
            <translation>Repaso</translation>
        </message>
    </context>
    <context>
        <name>SessionCheck</name>
        <message>
            <source>Quillmoor работает в сеансах X11. В сеансе Wayland сочетания клавиш и захват слов под указателем недоступны; окна приложения работают как обычно. Чтобы пользоваться Quillmoor полностью, войдите в сеанс Xorg.</source>
            <translation>Quillmoor funciona en sesiones X11. En una sesión Wayland, los atajos de teclado y la captura de la palabra bajo el puntero no están disponibles; las ventanas de la aplicación funcionan con normalidad. Para usar Quillmoor por completo, inicia una sesión Xorg.</translation>
        </message>
    </context>
    <context>
        <name>StatsFormat</name>
        <message>
            <source>Изучено %1 за %2 минут сегодня (%3 с/карточка)</source>
            <translation>Has estudiado %1 en %2 minutos hoy (%3 s/tarjeta)</translation>
        </message>
        <message>
            <source>Сегодня повторений ещё не было</source>
            <translation>Todavía no hay repasos hoy</translation>
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
            <translation>Aprendiendo</translation>
        </message>
        <message>
            <source>Освоено</source>
            <translation>Dominadas</translation>
        </message>
        <message>
            <source>Повторения за 16 недель</source>
            <translation>Repasos en 16 semanas</translation>
        </message>
        <message>
            <source>Скоро на повторение</source>
            <translation>Próximos repasos</translation>
        </message>
        <message>
            <source>Средний интервал</source>
            <translation>Intervalo medio</translation>
        </message>
        <message>
            <source>Успешно за 30 дней</source>
            <translation>Aciertos en 30 días</translation>
        </message>
    </context>
    <context>
        <name>TrayIconController</name>
        <message>
            <source>Language Settings…</source>
            <translation>Ajustes de idioma…</translation>
        </message>
        <message>
            <source>QM</source>
            <translation>QM</translation>
        </message>
        <message>
            <source>Quick Lookup…</source>
            <translation>Búsqueda rápida…</translation>
        </message>
        <message>
            <source>Quit</source>
            <translation>Salir</translation>
        </message>
        <message>
            <source>Грамматика…</source>
            <translation>Gramática…</translation>
        </message>
        <message>
            <source>Как это работает…</source>
            <translation>Cómo funciona…</translation>
        </message>
        <message>
            <source>Отправить фидбек…</source>
            <translation>Enviar comentarios…</translation>
        </message>
        <message>
            <source>Повторение…</source>
            <translation>Repaso…</translation>
        </message>
    </context>
</TS>
