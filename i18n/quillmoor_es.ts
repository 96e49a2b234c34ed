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
