<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutWindow</name>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Database: %1</source>
        <translation>Base de datos: %1</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>the database cannot be read (%1)</source>
        <translation>la base de datos no se puede leer (%1)</translation>
    </message>
    <message>
        <source>"%1" was removed while it was written</source>
        <translation>"%1" se eliminó mientras se escribía</translation>
    </message>
    <message>
        <source>writing "%1" failed (%2)</source>
        <translation>no se pudo escribir "%1" (%2)</translation>
    </message>
    <message>
        <source>"%1" could not be renamed to "%2"</source>
        <translation>no se pudo cambiar el nombre de "%1" a "%2"</translation>
    </message>
    <message>
        <source>"%1" already exists</source>
        <translation>"%1" ya existe</translation>
    </message>
    <message>
        <source>"%1" is being written by another backup</source>
        <translation>otra copia de seguridad está escribiendo "%1"</translation>
    </message>
    <message>
        <source>"%1" cannot be made</source>
        <translation>no se puede crear "%1"</translation>
    </message>
    <message>
        <source>No backup of "%1" could be written to "%2": %3</source>
        <translation>No se pudo escribir ninguna copia de seguridad de "%1" en "%2": %3</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>no se puede crear la carpeta</translation>
    </message>
    <message>
        <source>"%1.partial" cannot be made</source>
        <translation>no se puede crear "%1.partial"</translation>
    </message>
    <message>
        <source>it could not be copied to "%1"</source>
        <translation>no se pudo copiar a "%1"</translation>
    </message>
    <message>
        <source>its log could not be copied to "%1"</source>
        <translation>su registro de escritura no se pudo copiar a "%1"</translation>
    </message>
    <message>
        <source>its log could not be folded in</source>
        <translation>su registro de escritura no se pudo incorporar</translation>
    </message>
    <message>
        <source>the copy "%1" fails the check (%2)</source>
        <translation>la copia "%1" no supera la comprobación (%2)</translation>
    </message>
    <message>
        <source>The backup "%1" cannot be restored: it fails the check (%2)</source>
        <translation>La copia de seguridad "%1" no se puede restaurar: no supera la comprobación (%2)</translation>
    </message>
    <message>
        <source>not a Memorant database</source>
        <translation>no es una base de datos de Memorant</translation>
    </message>
    <message>
        <source>The backup "%1" could not be restored: %2. The database "%3" is as it was.</source>
        <translation>La copia de seguridad "%1" no se pudo restaurar: %2. La base de datos "%3" sigue como estaba.</translation>
    </message>
    <message>
        <source>the log of the database could not be folded into it</source>
        <translation>el registro de escritura de la base de datos no se pudo incorporar a ella</translation>
    </message>
    <message>
        <source>the log of the database could not be folded into it (%1)</source>
        <translation>el registro de escritura de la base de datos no se pudo incorporar a ella (%1)</translation>
    </message>
    <message>
        <source>the database could not be kept as "%1"</source>
        <translation>la base de datos no se pudo guardar como "%1"</translation>
    </message>
    <message>
        <source>"%1" could not be moved</source>
        <translation>no se pudo mover "%1"</translation>
    </message>
    <message>
        <source>the copy could not be locked</source>
        <translation>no se pudo bloquear la copia</translation>
    </message>
    <message>
        <source>it could not be put in place</source>
        <translation>no se pudo poner en su sitio</translation>
    </message>
    <message>
        <source>The backup was restored, but reopening it failed: %1</source>
        <translation>La copia de seguridad se restauró, pero no se pudo volver a abrir: %1</translation>
    </message>
    <message>
        <source>"%1" exists</source>
        <translation>"%1" ya existe</translation>
    </message>
    <message>
        <source>"%1" could not be put in place of "%2": %3</source>
        <translation>"%1" no se pudo poner en lugar de "%2": %3</translation>
    </message>
</context>
<context>
    <name>CardMediaView</name>
    <message>
        <source>Play the card's sound again (F5)</source>
        <translation>Volver a reproducir el sonido de la tarjeta (F5)</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Reproducir sonido</translation>
    </message>
    <message>
        <source>This sound cannot be played</source>
        <translation>Este sonido no se puede reproducir</translation>
    </message>
    <message>
        <source>The sound cannot be played: %1</source>
        <translation>No se puede reproducir el sonido: %1</translation>
    </message>
    <message>
        <source>This picture cannot be shown</source>
        <translation>Esta imagen no se puede mostrar</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>--lang needs the code of a language: %1</source>
        <translation>--lang necesita el código de un idioma: %1</translation>
    </message>
    <message>
        <source>Unknown language "%1": --lang takes one of %2</source>
        <translation>Idioma desconocido "%1": --lang admite uno de %2</translation>
    </message>
    <message>
        <source>--db and --user-data cannot be used together</source>
        <translation>--db y --user-data no se pueden usar juntos</translation>
    </message>
    <message>
        <source>--db needs the path of the database file</source>
        <translation>--db necesita la ruta del archivo de base de datos</translation>
    </message>
    <message>
        <source>Unknown command "%1"</source>
        <translation>Comando desconocido "%1"</translation>
    </message>
    <message>
        <source>Unknown argument "%1"</source>
        <translation>Argumento desconocido "%1"</translation>
    </message>
    <message>
        <source>Cannot open the database "%1": there is no such file</source>
        <translation>No se puede abrir la base de datos "%1": no existe ese archivo</translation>
    </message>
    <message>
        <source>write a consistent copy now, to FILE or into backups/ beside the database</source>
        <translation>escribir ahora una copia coherente, en FILE o en backups/ junto a la base de datos</translation>
    </message>
    <message>
        <source>check the database for damage (exit status 1 when damaged)</source>
        <translation>comprobar si la base de datos está dañada (estado de salida 1 si lo está)</translation>
    </message>
    <message>
        <source>backup takes at most one FILE</source>
        <translation>backup admite como mucho un FILE</translation>
    </message>
    <message>
        <source>No backup of "%1" was written: %2</source>
        <translation>No se escribió ninguna copia de seguridad de "%1": %2</translation>
    </message>
    <message>
        <source>Backup written to "%1"</source>
        <translation>Copia de seguridad escrita en "%1"</translation>
    </message>
    <message>
        <source>check takes no arguments</source>
        <translation>check no admite argumentos</translation>
    </message>
    <message>
        <source>"%1" is not a Memorant database</source>
        <translation>"%1" no es una base de datos de Memorant</translation>
    </message>
    <message>
        <source>The database "%1" is damaged</source>
        <translation>La base de datos "%1" está dañada</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>%1 takes one file; "%2" is one too many</source>
        <translation>%1 admite un solo archivo; "%2" sobra</translation>
    </message>
    <message>
        <source>Usage: memorant [--db PATH] %1</source>
        <translation>Uso: memorant [--db PATH] %1</translation>
    </message>
    <message>
        <source>%1 needs the set's name and the file</source>
        <translation>%1 necesita el nombre de la serie y el archivo</translation>
    </message>
    <message>
        <source>Importing... %1%</source>
        <translation>Importando... %1 %</translation>
    </message>
    <message>
        <source>%1: nothing was added (%2)</source>
        <translation>%1: no se añadió nada (%2)</translation>
    </message>
    <message>
        <source>Usage: memorant [--db PATH | --user-data]</source>
        <translation>Uso: memorant [--db PATH | --user-data]</translation>
    </message>
    <message>
        <source>the database file (default: VIze.mdb in the current folder);
a missing file is created with a sample set when the window opens;
commands never create one</source>
        <translation>el archivo de base de datos (por omisión: VIze.mdb en la carpeta
actual); si falta, se crea con una serie de ejemplo al abrir
la ventana; los comandos nunca crean uno</translation>
    </message>
    <message>
        <source>the database VIze.mdb in your data folder (see Files below),
made on first start; the menu entry uses it</source>
        <translation>la base de datos VIze.mdb en tu carpeta de datos (ver Archivos
más abajo), creada en el primer inicio; la entrada del menú
la usa</translation>
    </message>
    <message>
        <source>the language of the texts for this run only: en, de, fr or es</source>
        <translation>el idioma de los textos, solo para esta ejecución: en, de, fr o es</translation>
    </message>
    <message>
        <source>print the version</source>
        <translation>mostrar la versión</translation>
    </message>
    <message>
        <source>print this text</source>
        <translation>mostrar este texto</translation>
    </message>
    <message>
        <source>Commands (they need no display):</source>
        <translation>Comandos (no necesitan pantalla):</translation>
    </message>
    <message>
        <source>--set needs the name of the new set</source>
        <translation>--set necesita el nombre de la serie nueva</translation>
    </message>
    <message>
        <source>add the cards of a KVTML file or an .apkg/.colpkg deck package</source>
        <translation>añadir las tarjetas de un archivo KVTML o de un paquete .apkg/.colpkg</translation>
    </message>
    <message>
        <source>write a set as a KVTML 2.0 file</source>
        <translation>escribir una serie como archivo KVTML 2.0</translation>
    </message>
    <message>
        <source>import-deck needs the file to import</source>
        <translation>import-deck necesita el archivo que importar</translation>
    </message>
    <message numerus="yes">
        <source>--set names one set, but %1 makes %n sets; nothing was added</source>
        <translation>
            <numerusform>--set nombra una serie, pero %1 da %n serie; no se añadió nada</numerusform>
            <numerusform>--set nombra una serie, pero %1 da %n series; no se añadió nada</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: every question is the multiple-answer mark "Multi", which cannot be an answer; nothing was added</source>
        <translation>%1: todas las preguntas son la marca de respuesta múltiple "Multi", que no puede ser una respuesta; no se añadió nada</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n cards of the set "%1" to %2 (KVTML 2.0).</source>
        <translation>
            <numerusform>Se exportó %n tarjeta de la serie "%1" a %2 (KVTML 2.0).</numerusform>
            <numerusform>Se exportaron %n tarjetas de la serie "%1" a %2 (KVTML 2.0).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exported %n cards of the set "%1" to %2 (KVTML 2.0), their pictures and sounds to %3.</source>
        <translation>
            <numerusform>Se exportó %n tarjeta de la serie "%1" a %2 (KVTML 2.0), y sus imágenes y sonidos a %3.</numerusform>
            <numerusform>Se exportaron %n tarjetas de la serie "%1" a %2 (KVTML 2.0), y sus imágenes y sonidos a %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>The set could not be read: %1</source>
        <translation>No se pudo leer la serie: %1</translation>
    </message>
    <message>
        <source>%1 (answer to question)</source>
        <translation>%1 (de respuesta a pregunta)</translation>
    </message>
    <message>
        <source>recall %1%</source>
        <translation>recuerdo %1 %</translation>
    </message>
    <message>
        <source>Nothing is due today.</source>
        <translation>Hoy no hay nada pendiente.</translation>
    </message>
    <message numerus="yes">
        <source>%n cards due today.</source>
        <translation>
            <numerusform>%n tarjeta pendiente hoy.</numerusform>
            <numerusform>%n tarjetas pendientes hoy.</numerusform>
        </translation>
    </message>
    <message>
        <source>due does not understand "%1"</source>
        <translation>due no entiende "%1"</translation>
    </message>
    <message>
        <source>print the cards due for review today, or as CSV what the model of memory knows of every answered card</source>
        <translation>mostrar las tarjetas pendientes de repaso hoy, o en CSV lo que el modelo de memoria sabe de cada tarjeta respondida</translation>
    </message>
    <message>
        <source>There is no set "%1"</source>
        <translation>No hay ninguna serie "%1"</translation>
    </message>
    <message>
        <source>The log could not be read: %1</source>
        <translation>No se pudo leer el registro: %1</translation>
    </message>
    <message>
        <source>write the whole database to the exchange file FILE</source>
        <translation>escribir toda la base de datos en el archivo de intercambio FILE</translation>
    </message>
    <message>
        <source>import needs exactly one FILE</source>
        <translation>import necesita exactamente un FILE</translation>
    </message>
    <message>
        <source>merge the exchange file FILE into the database (with its log rows)</source>
        <translation>fusionar el archivo de intercambio FILE en la base de datos (con sus filas de registro)</translation>
    </message>
    <message>
        <source>export needs exactly one FILE</source>
        <translation>export necesita exactamente un FILE</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n records to %1, the answer lists of multiple-answer cards and what is asked answer to question to %2.</source>
        <translation>
            <numerusform>Se exportó %n entrada a %1; las listas de respuestas de las tarjetas de respuesta múltiple y qué se pregunta de respuesta a pregunta, a %2.</numerusform>
            <numerusform>Se exportaron %n entradas a %1; las listas de respuestas de las tarjetas de respuesta múltiple y qué se pregunta de respuesta a pregunta, a %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exported %n records to %1, the answer lists of multiple-answer cards to %2.</source>
        <translation>
            <numerusform>Se exportó %n entrada a %1; las listas de respuestas de las tarjetas de respuesta múltiple, a %2.</numerusform>
            <numerusform>Se exportaron %n entradas a %1; las listas de respuestas de las tarjetas de respuesta múltiple, a %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exported %n records to %1, what is asked answer to question to %2.</source>
        <translation>
            <numerusform>Se exportó %n entrada a %1; qué se pregunta de respuesta a pregunta, a %2.</numerusform>
            <numerusform>Se exportaron %n entradas a %1; qué se pregunta de respuesta a pregunta, a %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exported %n records to %1.</source>
        <translation>
            <numerusform>Se exportó %n entrada a %1.</numerusform>
            <numerusform>Se exportaron %n entradas a %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures and sounds to %1.</source>
        <translation>
            <numerusform>%n imagen o sonido a %1.</numerusform>
            <numerusform>%n imágenes y sonidos a %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sets</source>
        <translation>
            <numerusform>%n serie</numerusform>
            <numerusform>%n series</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cards</source>
        <translation>
            <numerusform>%n tarjeta</numerusform>
            <numerusform>%n tarjetas</numerusform>
        </translation>
    </message>
    <message>
        <source>Imported %1: %2, %3, %4 added.</source>
        <translation>Importado %1: se añadieron %2, %3, %4.</translation>
    </message>
    <message numerus="yes">
        <source>%n log rows</source>
        <translation>
            <numerusform>%n fila de registro</numerusform>
            <numerusform>%n filas de registro</numerusform>
        </translation>
    </message>
    <message>
        <source>Imported %1: %2, %3 added.</source>
        <translation>Importado %1: se añadieron %2, %3.</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Pendientes</translation>
    </message>
    <message>
        <source>No card has been answered when due yet.</source>
        <translation>Todavía no se ha respondido ninguna tarjeta cuando estaba pendiente.</translation>
    </message>
    <message>
        <source>Answered right when due: %1% of %2 (aiming at %3%)</source>
        <translation>Respondidas bien cuando estaban pendientes: %1 % de %2 (objetivo: %3 %)</translation>
    </message>
    <message>
        <source>stats does not understand "%1"</source>
        <translation>stats no entiende "%1"</translation>
    </message>
    <message>
        <source>print the replies per day and per set, or with --forecast the cards coming due in the next 30 days, as text or CSV</source>
        <translation>mostrar las respuestas dadas por día y por serie, o con --forecast las tarjetas pendientes en los próximos 30 días, como texto o CSV</translation>
    </message>
    <message>
        <source>--days needs a whole number of days from 1 to 100000, not "%1"</source>
        <translation>--days necesita un número entero de días de 1 a 100000, no "%1"</translation>
    </message>
    <message>
        <source>There is no set "%1", and no log row names it</source>
        <translation>No hay ninguna serie "%1", y ninguna fila del registro la nombra</translation>
    </message>
    <message>
        <source>, never seen: sync --forget "%1" stops waiting for it</source>
        <translation>, nunca vista: sync --forget "%1" deja de esperarla</translation>
    </message>
    <message numerus="yes">
        <source>, unseen for %n days: sync --forget "%1" stops waiting for it</source>
        <translation>
            <numerusform>, sin ver desde hace %n día: sync --forget "%1" deja de esperarla</numerusform>
            <numerusform>, sin ver desde hace %n días: sync --forget "%1" deja de esperarla</numerusform>
        </translation>
    </message>
    <message>
        <source>This database has never been synced</source>
        <translation>Esta base de datos nunca se ha sincronizado</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>%1 (this machine): last change %2, %3 change files written</source>
        <translation>%1 (esta máquina): último cambio %2, %3 archivos de cambios escritos</translation>
    </message>
    <message>
        <source>%1: last change %2, read %3 of %4 change files, has read %5 of this machine's %6%7</source>
        <translation>%1: último cambio %2, leídos %3 de %4 archivos de cambios, ha leído %5 de los %6 de esta máquina%7</translation>
    </message>
    <message>
        <source>sync does not understand "%1"</source>
        <translation>sync no entiende "%1"</translation>
    </message>
    <message>
        <source>send this machine's changes to a folder a sync tool keeps alike on every machine, and take the others' from it</source>
        <translation>enviar los cambios de esta máquina a una carpeta que una herramienta de sincronización mantiene igual en cada máquina, y tomar de ella los de las demás</translation>
    </message>
    <message>
        <source>Sync stopped: the folder is forgotten, nothing was deleted</source>
        <translation>Sincronización detenida: la carpeta se ha olvidado, no se borró nada</translation>
    </message>
    <message>
        <source>"%1" is forgotten</source>
        <translation>"%1" se ha olvidado</translation>
    </message>
    <message>
        <source>No sync folder is set: name one with --folder DIR</source>
        <translation>No hay ninguna carpeta de sincronización: indica una con --folder DIR</translation>
    </message>
    <message>
        <source>No backup could be taken before the first sync, so nothing was synced: %1</source>
        <translation>No se pudo hacer una copia de seguridad antes de la primera sincronización, así que no se sincronizó nada: %1</translation>
    </message>
    <message>
        <source>joined %1 set(s) and %2 card(s) of this database with the same ones of another machine</source>
        <translation>se unieron %1 serie(s) y %2 tarjeta(s) de esta base de datos con las mismas de otra máquina</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) renamed with a number: another set had the name</source>
        <translation>
            <numerusform>%n serie renombrada con un número: otra serie tenía el nombre</numerusform>
            <numerusform>%n series renombradas con un número: otra serie tenía el nombre</numerusform>
        </translation>
    </message>
    <message>
        <source>--encoding takes utf-8, utf-16 or windows-1252</source>
        <translation>--encoding admite utf-8, utf-16 o windows-1252</translation>
    </message>
    <message>
        <source>--separator takes one character other than a quote, or "tab"; "%1" is none</source>
        <translation>--separator admite un carácter que no sea una comilla, o "tab"; "%1" no lo es</translation>
    </message>
    <message>
        <source>import-list needs the file to import</source>
        <translation>import-list necesita el archivo que importar</translation>
    </message>
    <message>
        <source>--separator needs a character, or "tab"</source>
        <translation>--separator necesita un carácter, o "tab"</translation>
    </message>
    <message>
        <source>add a CSV or tab-separated word list as a new set</source>
        <translation>añadir una lista de palabras CSV o separada por tabuladores como serie nueva</translation>
    </message>
    <message>
        <source>write a set as a tab-separated word list</source>
        <translation>escribir una serie como lista de palabras separada por tabuladores</translation>
    </message>
    <message>
        <source>%1, line %2: this line holds a byte that is not UTF-8, though the rest of the file is UTF-8; nothing was added. Name the file's encoding with --encoding utf-8, utf-16 or windows-1252.</source>
        <translation>%1, línea %2: esta línea contiene un byte que no es UTF-8, aunque el resto del archivo es UTF-8; no se añadió nada. Indica la codificación del archivo con --encoding utf-8, utf-16 o windows-1252.</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n cards from %1 into the new set "%2"</source>
        <translation>
            <numerusform>Se importó %n tarjeta de %1 en la serie nueva "%2"</numerusform>
            <numerusform>Se importaron %n tarjetas de %1 en la serie nueva "%2"</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n rows skipped</source>
        <translation>
            <numerusform>; %n fila omitida</numerusform>
            <numerusform>; %n filas omitidas</numerusform>
        </translation>
    </message>
    <message>
        <source>; %1 was taken as a header (--no-header keeps it as a card)</source>
        <translation>; %1 se tomó como encabezado (--no-header lo conserva como tarjeta)</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n cards of the set "%1" to %2.</source>
        <translation>
            <numerusform>Se exportó %n tarjeta de la serie "%1" a %2.</numerusform>
            <numerusform>Se exportaron %n tarjetas de la serie "%1" a %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ComparisonWindow</name>
    <message>
        <source>Wrong!</source>
        <translation>¡Incorrecto!</translation>
    </message>
    <message>
        <source>Please compare your answers with the correct ones</source>
        <translation>Compara tus respuestas dadas con las correctas</translation>
    </message>
    <message>
        <source>Correct Answer</source>
        <translation>Respuesta correcta</translation>
    </message>
    <message>
        <source>Your Reply</source>
        <translation>Tu respuesta dada</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>Cannot open the database "%1": %2</source>
        <translation>No se puede abrir la base de datos "%1": %2</translation>
    </message>
    <message>
        <source>it could not be put in place</source>
        <translation>no se pudo poner en su sitio</translation>
    </message>
    <message>
        <source>it could not be created (%1)</source>
        <translation>no se pudo crear (%1)</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <source>it is not a Memorant database (not an SQLite file)</source>
        <translation>no es una base de datos de Memorant (no es un archivo SQLite)</translation>
    </message>
    <message>
        <source>it cannot be opened (%1)</source>
        <translation>no se puede abrir (%1)</translation>
    </message>
    <message>
        <source>it was made by a newer version of Memorant (schema version %1; this program knows %2)</source>
        <translation>la creó una versión más reciente de Memorant (versión de esquema %1; este programa conoce la %2)</translation>
    </message>
    <message>
        <source>it is not a Memorant database (missing tables: %1)</source>
        <translation>no es una base de datos de Memorant (faltan tablas: %1)</translation>
    </message>
    <message>
        <source>none, but no schema version</source>
        <translation>ninguna, pero no hay versión de esquema</translation>
    </message>
    <message>
        <source>it is damaged or not a database (%1)</source>
        <translation>está dañada o no es una base de datos (%1)</translation>
    </message>
    <message>
        <source>The folder "%1" is not writable: the database needs to write files beside it.</source>
        <translation>No se puede escribir en la carpeta "%1": la base de datos necesita escribir archivos a su lado.</translation>
    </message>
    <message>
        <source>its folder "%1" does not exist</source>
        <translation>su carpeta "%1" no existe</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ese archivo no existe</translation>
    </message>
    <message>
        <source>The database file "%1" is read-only.</source>
        <translation>El archivo de base de datos "%1" es de solo lectura.</translation>
    </message>
    <message>
        <source>Cannot open the database: %1</source>
        <translation>No se puede abrir la base de datos: %1</translation>
    </message>
    <message>
        <source>The database "%1" is already open in another Memorant program. Close that one first.</source>
        <translation>La base de datos "%1" ya está abierta en otro programa Memorant. Ciérralo primero.</translation>
    </message>
    <message>
        <source>The lock file "%1" of the database "%2" cannot be replaced. Remove it by hand when no Memorant program is using the file.</source>
        <translation>El archivo de bloqueo "%1" de la base de datos "%2" no se puede sustituir. Bórralo a mano cuando ningún programa Memorant use el archivo.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be locked: "%2" is a folder, where its lock file belongs. Move that folder away.</source>
        <translation>La base de datos "%1" no se puede bloquear: "%2" es una carpeta, donde debería estar su archivo de bloqueo. Mueve esa carpeta a otro sitio.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be locked: its lock file "%2" cannot be read (%3). Remove it when no Memorant program is using the file.</source>
        <translation>La base de datos "%1" no se puede bloquear: su archivo de bloqueo "%2" no se puede leer (%3). Bórralo cuando ningún programa Memorant use el archivo.</translation>
    </message>
    <message>
        <source>The database "%1" is locked by a Memorant program on another computer, "%2" (lock file "%3"). Close it there; if it no longer runs, remove the lock file.</source>
        <translation>La base de datos "%1" está bloqueada por un programa Memorant en otro ordenador, "%2" (archivo de bloqueo "%3"). Ciérralo allí; si ya no se está ejecutando, borra el archivo de bloqueo.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be locked for this program (lock file "%2").</source>
        <translation>La base de datos "%1" no se puede bloquear para este programa (archivo de bloqueo "%2").</translation>
    </message>
    <message>
        <source>The database "%1" cannot be locked for this program: it cannot be opened for reading.</source>
        <translation>La base de datos "%1" no se puede bloquear para este programa: no se puede abrir para lectura.</translation>
    </message>
    <message>
        <source>has no date</source>
        <translation>no tiene fecha</translation>
    </message>
    <message>
        <source>is dated "%1", which is not a real day</source>
        <translation>tiene la fecha "%1", que no es un día real</translation>
    </message>
    <message>
        <source>is dated %1, outside the days a log can hold (%2 to %3)</source>
        <translation>tiene la fecha %1, fuera de los días que puede contener un registro (de %2 a %3)</translation>
    </message>
    <message>
        <source>%1; and %2 more</source>
        <translation>%1; y %2 más</translation>
    </message>
    <message>
        <source>1 card names a picture or sound that is not in the database "%1"; it is shown without it</source>
        <translation>1 tarjeta nombra una imagen o un sonido que no está en la base de datos "%1"; se muestra sin él</translation>
    </message>
    <message numerus="yes">
        <source>%n cards name a picture or sound that is not in the database "%1"; they are shown without it</source>
        <translation>
            <numerusform>%n tarjeta nombra una imagen o un sonido que no está en la base de datos "%1"; se muestra sin él</numerusform>
            <numerusform>%n tarjetas nombran una imagen o un sonido que no está en la base de datos "%1"; se muestran sin él</numerusform>
        </translation>
    </message>
    <message>
        <source>its first page does not hold a Memorant database header</source>
        <translation>su primera página no contiene la cabecera de una base de datos de Memorant</translation>
    </message>
    <message>
        <source>Cannot open the database "%1": it is damaged (%2)</source>
        <translation>No se puede abrir la base de datos "%1": está dañada (%2)</translation>
    </message>
    <message>
        <source>There are no backups in "%1".
</source>
        <translation>No hay copias de seguridad en "%1".
</translation>
    </message>
    <message>
        <source>Backups in "%1", newest first:
</source>
        <translation>Copias de seguridad en "%1", la más reciente primero:
</translation>
    </message>
    <message>
        <source>  (damaged)</source>
        <translation>  (dañada)</translation>
    </message>
    <message>
        <source>To restore one, start Memorant in its window: it offers the newest good backup, and File &gt; Restore from backup... lists them all.
</source>
        <translation>Para restaurar una, inicia Memorant en su ventana: ofrece la copia de seguridad en buen estado más reciente, y Archivo &gt; Restaurar una copia de seguridad... las muestra todas.
</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>una tubería con nombre</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>un archivo especial</translation>
    </message>
    <message>
        <source>%1 is %2, not a regular file; Memorant reads regular files only.</source>
        <translation>%1 es %2, no un archivo normal; Memorant solo lee archivos normales.</translation>
    </message>
    <message>
        <source>%1 is %2, not a regular file; Memorant writes regular files only.</source>
        <translation>%1 es %2, no un archivo normal; Memorant solo escribe archivos normales.</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>no se puede abrir</translation>
    </message>
    <message>
        <source>Cannot start a transaction: %1</source>
        <translation>No se puede iniciar una transacción: %1</translation>
    </message>
    <message>
        <source>Cannot commit: %1</source>
        <translation>No se pueden guardar los cambios: %1</translation>
    </message>
    <message>
        <source>line %1 holds a byte that is not UTF-8, though the rest of the file is UTF-8</source>
        <translation>la línea %1 contiene un byte que no es UTF-8, aunque el resto del archivo es UTF-8</translation>
    </message>
</context>
<context>
    <name>DeckDialog</name>
    <message>
        <source>Import cards from another trainer</source>
        <translation>Importar tarjetas de otro programa de aprendizaje</translation>
    </message>
    <message numerus="yes">
        <source>%n new sets</source>
        <translation>
            <numerusform>%n serie nueva</numerusform>
            <numerusform>%n series nuevas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2) makes %n cards in %3:</source>
        <translation>
            <numerusform>%1 (%2) da %n tarjeta en %3:</numerusform>
            <numerusform>%1 (%2) da %n tarjetas en %3:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2) makes %n cards (with %3) in %4:</source>
        <translation>
            <numerusform>%1 (%2) da %n tarjeta (con %3) en %4:</numerusform>
            <numerusform>%1 (%2) da %n tarjetas (con %3) en %4:</numerusform>
        </translation>
    </message>
    <message>
        <source>New set</source>
        <translation>Serie nueva</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Tarjetas</translation>
    </message>
    <message>
        <source>The first cards of the chosen set:</source>
        <translation>Las primeras tarjetas de la serie elegida:</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Nothing is left out.</source>
        <translation>No se omite nada.</translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <translation>Omitido: %1.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
</context>
<context>
    <name>DeckMenu</name>
    <message>
        <source>Import cards from another trainer</source>
        <translation>Importar tarjetas de otro programa de aprendizaje</translation>
    </message>
    <message>
        <source>Vocabulary files and deck packages (*.kvtml *.apkg *.colpkg);;All files (*)</source>
        <translation>Archivos de vocabulario y paquetes de tarjetas (*.kvtml *.apkg *.colpkg);;Todos los archivos (*)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>The file's cards take pictures or sounds from outside its folder:
%1

Take them too? Without them the cards are imported all the same.</source>
        <translation>Las tarjetas del archivo toman imágenes o sonidos de fuera de su carpeta:
%1

¿Tomarlos también? Sin ellos, las tarjetas se importan igualmente.</translation>
    </message>
    <message>
        <source>Export set as KVTML</source>
        <translation>Exportar la serie como KVTML</translation>
    </message>
    <message>
        <source>KVTML files (*.kvtml)</source>
        <translation>Archivos KVTML (*.kvtml)</translation>
    </message>
    <message>
        <source>Cards from another trainer...</source>
        <translation>Tarjetas de otro programa de aprendizaje...</translation>
    </message>
    <message>
        <source>Export set as KVTML...</source>
        <translation>Exportar la serie como KVTML...</translation>
    </message>
    <message numerus="yes">
        <source>%n cards of the set "%1" were written to %2 (KVTML 2.0), their pictures and sounds to %3.</source>
        <translation>
            <numerusform>Se escribió %n tarjeta de la serie «%1» en %2 (KVTML 2.0), y sus imágenes y sonidos en %3.</numerusform>
            <numerusform>Se escribieron %n tarjetas de la serie «%1» en %2 (KVTML 2.0), y sus imágenes y sonidos en %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cards of the set "%1" were written to %2 (KVTML 2.0).</source>
        <translation>
            <numerusform>Se escribió %n tarjeta de la serie «%1» en %2 (KVTML 2.0).</numerusform>
            <numerusform>Se escribieron %n tarjetas de la serie «%1» en %2 (KVTML 2.0).</numerusform>
        </translation>
    </message>
    <message>
        <source>The set could not be exported: %1</source>
        <translation>No se pudo exportar la serie: %1</translation>
    </message>
</context>
<context>
    <name>Decks</name>
    <message numerus="yes">
        <source>%n not found</source>
        <translation>
            <numerusform>%n no encontrado</numerusform>
            <numerusform>%n no encontrados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n outside the file's folder</source>
        <translation>
            <numerusform>%n fuera de la carpeta del archivo</numerusform>
            <numerusform>%n fuera de la carpeta del archivo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n too large or unreadable</source>
        <translation>
            <numerusform>%n demasiado grande o ilegible</numerusform>
            <numerusform>%n demasiado grandes o ilegibles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n beyond a card's first</source>
        <translation>
            <numerusform>%n además del primero de una tarjeta</numerusform>
            <numerusform>%n además del primero de una tarjeta</numerusform>
        </translation>
    </message>
    <message>
        <source>1 sound left out (%1)</source>
        <translation>1 sonido omitido (%1)</translation>
    </message>
    <message numerus="yes">
        <source>%n sounds left out (%1)</source>
        <translation>
            <numerusform>%n sonido omitido (%1)</numerusform>
            <numerusform>%n sonidos omitidos (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>1 picture left out (%1)</source>
        <translation>1 imagen omitida (%1)</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures left out (%1)</source>
        <translation>
            <numerusform>%n imagen omitida (%1)</numerusform>
            <numerusform>%n imágenes omitidas (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>1 note without both a question and an answer skipped</source>
        <translation>1 nota sin pregunta y respuesta omitida</translation>
    </message>
    <message numerus="yes">
        <source>%n notes without both a question and an answer skipped</source>
        <translation>
            <numerusform>%n nota sin pregunta y respuesta omitida</numerusform>
            <numerusform>%n notas sin pregunta y respuesta omitidas</numerusform>
        </translation>
    </message>
    <message>
        <source>1 entry without both a question and an answer skipped</source>
        <translation>1 entrada sin pregunta y respuesta omitida</translation>
    </message>
    <message numerus="yes">
        <source>%n entries without both a question and an answer skipped</source>
        <translation>
            <numerusform>%n entrada sin pregunta y respuesta omitida</numerusform>
            <numerusform>%n entradas sin pregunta y respuesta omitidas</numerusform>
        </translation>
    </message>
    <message>
        <source>1 note whose answer is the multiple-answer mark "Multi" skipped</source>
        <translation>1 nota cuya respuesta es la marca de respuesta múltiple "Multi" omitida</translation>
    </message>
    <message numerus="yes">
        <source>%n notes whose answer is the multiple-answer mark "Multi" skipped</source>
        <translation>
            <numerusform>%n nota cuya respuesta es la marca de respuesta múltiple "Multi" omitida</numerusform>
            <numerusform>%n notas cuya respuesta es la marca de respuesta múltiple "Multi" omitidas</numerusform>
        </translation>
    </message>
    <message>
        <source>1 entry whose answer is the multiple-answer mark "Multi" skipped</source>
        <translation>1 entrada cuya respuesta es la marca de respuesta múltiple "Multi" omitida</translation>
    </message>
    <message numerus="yes">
        <source>%n entries whose answer is the multiple-answer mark "Multi" skipped</source>
        <translation>
            <numerusform>%n entrada cuya respuesta es la marca de respuesta múltiple "Multi" omitida</numerusform>
            <numerusform>%n entradas cuya respuesta es la marca de respuesta múltiple "Multi" omitidas</numerusform>
        </translation>
    </message>
    <message>
        <source>scheduling data not imported: the cards start as new cards</source>
        <translation>datos de planificación no importados: las tarjetas empiezan como tarjetas nuevas</translation>
    </message>
    <message>
        <source>1 picture</source>
        <translation>1 imagen</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures</source>
        <translation>
            <numerusform>%n imagen</numerusform>
            <numerusform>%n imágenes</numerusform>
        </translation>
    </message>
    <message>
        <source>1 sound</source>
        <translation>1 sonido</translation>
    </message>
    <message numerus="yes">
        <source>%n sounds</source>
        <translation>
            <numerusform>%n sonido</numerusform>
            <numerusform>%n sonidos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1: the file cannot be read (%2)</source>
        <translation>%1: el archivo no se puede leer (%2)</translation>
    </message>
    <message>
        <source>%1: the file is too large for a vocabulary file; nothing was added</source>
        <translation>%1: el archivo es demasiado grande para un archivo de vocabulario; no se añadió nada</translation>
    </message>
    <message>
        <source>%1: %2 Nothing was added.</source>
        <translation>%1: %2 No se añadió nada.</translation>
    </message>
    <message>
        <source>%1: the import was cancelled; nothing was added</source>
        <translation>%1: la importación se canceló; no se añadió nada</translation>
    </message>
    <message>
        <source>"%1" is a sound, not a picture.</source>
        <translation>"%1" es un sonido, no una imagen.</translation>
    </message>
    <message>
        <source>"%1" is a picture, not a sound.</source>
        <translation>"%1" es una imagen, no un sonido.</translation>
    </message>
    <message>
        <source>"%1" was left out: the cards' pictures and sounds together would pass %2 MB.</source>
        <translation>"%1" se omitió: las imágenes y los sonidos de las tarjetas juntos superarían %2 MB.</translation>
    </message>
    <message>
        <source>Imported 1 card from %1 into the new set %2</source>
        <translation>Se importó 1 tarjeta de %1 en la nueva serie %2</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n cards from %1 into the new set %2</source>
        <translation>
            <numerusform>Se importó %n tarjeta de %1 en la nueva serie %2</numerusform>
            <numerusform>Se importaron %n tarjetas de %1 en la nueva serie %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Imported 1 card from %1 into %2 new sets (%3)</source>
        <translation>Se importó 1 tarjeta de %1 en %2 series nuevas (%3)</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n cards from %1 into %2 new sets (%3)</source>
        <translation>
            <numerusform>Se importó %n tarjeta de %1 en %2 series nuevas (%3)</numerusform>
            <numerusform>Se importaron %n tarjetas de %1 en %2 series nuevas (%3)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, with %2</source>
        <translation>%1, con %2</translation>
    </message>
    <message>
        <source>1 card with nothing but control characters as a question or an answer skipped</source>
        <translation>1 tarjeta con solo caracteres de control como pregunta o respuesta omitida</translation>
    </message>
    <message numerus="yes">
        <source>%n cards with nothing but control characters as a question or an answer skipped</source>
        <translation>
            <numerusform>%n tarjeta con solo caracteres de control como pregunta o respuesta omitida</numerusform>
            <numerusform>%n tarjetas con solo caracteres de control como pregunta o respuesta omitidas</numerusform>
        </translation>
    </message>
    <message>
        <source>"%1" cannot be read: it is not a regular file, or not readable.</source>
        <translation>"%1" no se puede leer: no es un archivo normal o no se puede leer.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 no se puede escribir: %2</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>no se puede crear la carpeta</translation>
    </message>
    <message>
        <source>%1, line %2: %3; nothing was added</source>
        <translation>%1, línea %2: %3; no se añadió nada</translation>
    </message>
    <message>
        <source>%1: %2; nothing was added</source>
        <translation>%1: %2; no se añadió nada</translation>
    </message>
    <message>
        <source>%1, which no vocabulary file needs</source>
        <translation>%1, algo que ningún archivo de vocabulario necesita</translation>
    </message>
    <message>
        <source>the XML is not well-formed (%1)</source>
        <translation>el XML no está bien formado (%1)</translation>
    </message>
    <message>
        <source>this is not a KVTML file</source>
        <translation>no es un archivo KVTML</translation>
    </message>
    <message>
        <source>no word has a comment to ask it by (%1 skipped)</source>
        <translation>ninguna palabra tiene un comentario con el que preguntarla (%1 omitidas)</translation>
    </message>
    <message>
        <source>no entry holds both a question and an answer (%1 skipped)</source>
        <translation>ninguna entrada tiene una pregunta y una respuesta (%1 omitidas)</translation>
    </message>
    <message>
        <source>There is no set named "%1".</source>
        <translation>No hay ninguna serie llamada "%1".</translation>
    </message>
    <message>
        <source>The answers could not be read.</source>
        <translation>No se pudieron leer las respuestas.</translation>
    </message>
    <message>
        <source>its collection cannot be opened (%1)</source>
        <translation>su colección no se puede abrir (%1)</translation>
    </message>
    <message>
        <source>its collection cannot be read safely here (Qt's SQLite driver is not the SQLite library Memorant was built with)</source>
        <translation>su colección no se puede leer con seguridad aquí (el controlador SQLite de Qt no es la biblioteca SQLite con la que se compiló Memorant)</translation>
    </message>
    <message>
        <source>its collection cannot be read (%1)</source>
        <translation>su colección no se puede leer (%1)</translation>
    </message>
    <message>
        <source>collection</source>
        <translation>colección</translation>
    </message>
    <message>
        <source>its collection is not a deck package's (it holds the trigger "%1")</source>
        <translation>su colección no es la de un paquete de mazos (contiene el disparador "%1")</translation>
    </message>
    <message>
        <source>its collection is not a deck package's ("%1" is not a plain table)</source>
        <translation>su colección no es la de un paquete de mazos ("%1" no es una tabla simple)</translation>
    </message>
    <message>
        <source>its collection is not a deck package's (the table "%1" has computed columns)</source>
        <translation>su colección no es la de un paquete de mazos (la tabla "%1" tiene columnas calculadas)</translation>
    </message>
    <message>
        <source>its collection is damaged</source>
        <translation>su colección está dañada</translation>
    </message>
    <message>
        <source>reading its %1 took longer than %2, which no real deck needs</source>
        <translation>leer la parte "%1" tardó más de %2, algo que ningún mazo real necesita</translation>
    </message>
    <message>
        <source>its %1 cannot be read (%2)</source>
        <translation>la parte "%1" no se puede leer (%2)</translation>
    </message>
    <message>
        <source>%1 unpacks to far more than it holds packed, which no real deck does</source>
        <translation>%1 se descomprime en mucho más de lo que ocupa comprimido, algo que no hace ningún mazo real</translation>
    </message>
    <message>
        <source>its media list is damaged</source>
        <translation>su lista de medios está dañada</translation>
    </message>
    <message>
        <source>its media list cannot be read (not valid JSON)</source>
        <translation>su lista de medios no se puede leer (JSON no válido)</translation>
    </message>
    <message>
        <source>this is not a deck package (not a readable zip archive)</source>
        <translation>no es un paquete de mazos (no es un archivo zip legible)</translation>
    </message>
    <message>
        <source>its media list</source>
        <translation>la lista de medios</translation>
    </message>
    <message>
        <source>its media list is larger than any deck needs</source>
        <translation>su lista de medios es más grande de lo que necesita cualquier mazo</translation>
    </message>
    <message>
        <source>its %1 cannot be read (not valid JSON)</source>
        <translation>la parte "%1" no se puede leer (JSON no válido)</translation>
    </message>
    <message>
        <source>tables</source>
        <translation>tablas</translation>
    </message>
    <message>
        <source>note types</source>
        <translation>tipos de nota</translation>
    </message>
    <message>
        <source>decks</source>
        <translation>mazos</translation>
    </message>
    <message>
        <source>its collection holds no note types or decks</source>
        <translation>su colección no contiene tipos de nota ni mazos</translation>
    </message>
    <message>
        <source>cards</source>
        <translation>tarjetas</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>notas</translation>
    </message>
    <message>
        <source>deck package</source>
        <translation>paquete de mazos</translation>
    </message>
    <message>
        <source>%1: no note holds both a question and an answer (%2 skipped); nothing was added</source>
        <translation>%1: ninguna nota tiene una pregunta y una respuesta (%2 omitidas); no se añadió nada</translation>
    </message>
    <message>
        <source>its collection unpacks to far more than it holds packed (more than %1 bytes from %2), which no real deck does</source>
        <translation>su colección se descomprime en mucho más de lo que ocupa comprimida (más de %1 bytes a partir de %2), algo que no hace ningún mazo real</translation>
    </message>
    <message>
        <source>its collection cannot be unpacked (%1)</source>
        <translation>su colección no se puede descomprimir (%1)</translation>
    </message>
    <message>
        <source>this is not a deck package (not a readable zip archive: %1)</source>
        <translation>no es un paquete de mazos (no es un archivo zip legible: %1)</translation>
    </message>
    <message>
        <source>this zip archive holds no collection, so it is not a deck package</source>
        <translation>este archivo zip no contiene ninguna colección, así que no es un paquete de mazos</translation>
    </message>
    <message>
        <source>its collection</source>
        <translation>la colección</translation>
    </message>
    <message>
        <source>no temporary file can be made in %1</source>
        <translation>no se puede crear ningún archivo temporal en %1</translation>
    </message>
    <message>
        <source>no temporary file can be made (%1)</source>
        <translation>no se puede crear ningún archivo temporal (%1)</translation>
    </message>
    <message>
        <source>its unpacked collection was removed by another program</source>
        <translation>otro programa eliminó su colección descomprimida</translation>
    </message>
    <message>
        <source>a tag is longer than %1 KB</source>
        <translation>una etiqueta ocupa más de %1 KB</translation>
    </message>
    <message>
        <source>an element has more than %1 attributes</source>
        <translation>un elemento tiene más de %1 atributos</translation>
    </message>
    <message>
        <source>%1 is not validly compressed (%2)</source>
        <translation>%1 no está comprimido correctamente (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be read from the archive</source>
        <translation>%1 no se puede leer del archivo comprimido</translation>
    </message>
    <message>
        <source>%1 cannot be read from the archive (%2)</source>
        <translation>%1 no se puede leer del archivo comprimido (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be unpacked</source>
        <translation>%1 no se puede descomprimir</translation>
    </message>
    <message>
        <source>the archive is damaged (%1)</source>
        <translation>el archivo comprimido está dañado (%1)</translation>
    </message>
    <message>
        <source>%1 is cut short</source>
        <translation>%1 está cortado</translation>
    </message>
</context>
<context>
    <name>DelayWindow</name>
    <message>
        <source>Delay</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Pause after a correct reply</source>
        <translation>Pausa tras una respuesta dada correcta</translation>
    </message>
    <message>
        <source>The pause after a correct reply, before the next question is put (Talking and Kids modes), in steps of %1 seconds:</source>
        <translation>La pausa tras una respuesta dada correcta, antes de la siguiente pregunta (modos Hablado y Niños), en pasos de %1 segundos:</translation>
    </message>
    <message>
        <source>No pause</source>
        <translation>Sin pausa</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 segundos</translation>
    </message>
    <message>
        <source>The delay could not be saved: %1</source>
        <translation>No se pudo guardar la pausa: %1</translation>
    </message>
    <message>
        <source>The delay cannot be shown: %1</source>
        <translation>No se puede mostrar la pausa: %1</translation>
    </message>
</context>
<context>
    <name>DemonsManager</name>
    <message>
        <source>The number of Demons must be a whole number from 0 to %1.</source>
        <translation>El número de Demonios debe ser un número entero de 0 a %1.</translation>
    </message>
    <message>
        <source>The set could not be changed: %1</source>
        <translation>No se pudo cambiar la serie: %1</translation>
    </message>
    <message>
        <source>Demons Manager</source>
        <translation>Gestor de Demonios</translation>
    </message>
    <message>
        <source>Select the sets you  want to be included in your Deamons set</source>
        <translation>Elige las series que quieres incluir en tus Demonios</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Marcar todas</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Desmarcar todas</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Enter the number of cards you want to be in your Deamons sets</source>
        <translation>Escribe cuántas tarjetas quieres en tus Demonios</translation>
    </message>
    <message>
        <source>Sets in the Demons</source>
        <translation>Series en los Demonios</translation>
    </message>
    <message>
        <source>Apply the chosen sets</source>
        <translation>Aplicar las series elegidas</translation>
    </message>
    <message>
        <source>Number of cards in the Demons sets</source>
        <translation>Número de tarjetas de los Demonios</translation>
    </message>
    <message>
        <source>Apply the number of cards</source>
        <translation>Aplicar el número de tarjetas</translation>
    </message>
    <message>
        <source>The Demons now:</source>
        <translation>Los Demonios ahora:</translation>
    </message>
    <message>
        <source>SetName</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>%1 (answer to question)</source>
        <translation>%1 (de respuesta a pregunta)</translation>
    </message>
    <message>
        <source>The sets could not be changed: %1</source>
        <translation>No se pudieron cambiar las series: %1</translation>
    </message>
    <message>
        <source>The number could not be saved: %1</source>
        <translation>No se pudo guardar el número: %1</translation>
    </message>
    <message>
        <source>The Demons Manager cannot be opened: %1</source>
        <translation>No se puede abrir el gestor de Demonios: %1</translation>
    </message>
</context>
<context>
    <name>DirectionDialog</name>
    <message>
        <source>Question to answer (show the question, type the answer)</source>
        <translation>De pregunta a respuesta (se muestra la pregunta, escribes la respuesta)</translation>
    </message>
    <message>
        <source>Answer to question (show the answer, type the question)</source>
        <translation>De respuesta a pregunta (se muestra la respuesta, escribes la pregunta)</translation>
    </message>
    <message>
        <source>Both ways (each card is asked twice a pass)</source>
        <translation>En las dos direcciones (cada tarjeta se pregunta dos veces por vuelta)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>How the cards of the set "%1" are asked:</source>
        <translation>Cómo se preguntan las tarjetas de la serie «%1»:</translation>
    </message>
    <message>
        <source>Each way keeps its own rating, counts and Demons mark. Cards with multiple answers are always asked from the question to the answers.</source>
        <translation>Cada dirección tiene su propia puntuación, sus propios contadores y su propia marca de Demonio. Las tarjetas con respuesta múltiple se preguntan siempre de la pregunta a las respuestas.</translation>
    </message>
    <message>
        <source>The set's direction cannot be read: %1</source>
        <translation>No se puede leer la dirección de la serie: %1</translation>
    </message>
    <message>
        <source>Choose a set first: the direction is a set's own.</source>
        <translation>Elige primero una serie: cada serie tiene su propia dirección.</translation>
    </message>
    <message>
        <source>The set "%1" is no longer there.</source>
        <translation>La serie «%1» ya no existe.</translation>
    </message>
    <message>
        <source>The direction could not be stored: %1
The set is asked as before.</source>
        <translation>No se pudo guardar la dirección: %1
La serie se pregunta como antes.</translation>
    </message>
</context>
<context>
    <name>DueCountDelegate</name>
    <message numerus="yes">
        <source>%n due</source>
        <translation>
            <numerusform>%n pendiente</numerusform>
            <numerusform>%n pendientes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DueOutlookView</name>
    <message>
        <source>Due</source>
        <translation>Pendientes</translation>
    </message>
    <message numerus="yes">
        <source>Cards due in the next %n days (today first)</source>
        <translation>
            <numerusform>Tarjetas pendientes en el próximo %n día (hoy primero)</numerusform>
            <numerusform>Tarjetas pendientes en los próximos %n días (hoy primero)</numerusform>
        </translation>
    </message>
    <message>
        <source>No card has been answered when due yet (recall wanted: %1%).</source>
        <translation>Aún no se ha respondido ninguna tarjeta pendiente (recuerdo deseado: %1 %).</translation>
    </message>
    <message>
        <source>Answered right when due: %1% of %2 (recall wanted: %3%)</source>
        <translation>Respondidas bien cuando estaban pendientes: %1 % de %2 (recuerdo deseado: %3 %)</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>The companion file "%1" cannot be imported: line %2 %3. Nothing was changed.</source>
        <translation>El archivo complementario "%1" no se puede importar: la línea %2 %3. No se cambió nada.</translation>
    </message>
    <message>
        <source>holds "%1", but %2</source>
        <translation>contiene "%1", pero %2</translation>
    </message>
    <message>
        <source>a value is needed</source>
        <translation>hace falta un valor</translation>
    </message>
    <message>
        <source>is missing: the file ends too early</source>
        <translation>falta: el archivo termina demasiado pronto</translation>
    </message>
    <message>
        <source>holds "%1", but %2 has %3 values separated by tabs</source>
        <translation>contiene "%1", pero %2 tiene %3 valores separados por tabuladores</translation>
    </message>
    <message>
        <source>lists the set %1 again, which line %2 lists already</source>
        <translation>vuelve a citar la serie %1, que ya cita la línea %2</translation>
    </message>
    <message>
        <source>a line of set directions (set id, direction)</source>
        <translation>una línea de direcciones de serie (id de serie, dirección)</translation>
    </message>
    <message>
        <source>gives the set %1 the direction %2, but a direction is 0 (question to answer), 1 (answer to question) or 2 (both)</source>
        <translation>da a la serie %1 la dirección %2, pero una dirección es 0 (de pregunta a respuesta), 1 (de respuesta a pregunta) o 2 (ambas)</translation>
    </message>
    <message>
        <source>lists the card %1 again, which line %2 lists already</source>
        <translation>vuelve a citar la tarjeta %1, que ya cita la línea %2</translation>
    </message>
    <message>
        <source>a line of reverse values (card id, Order, Rating, Correct, Incorrect, Demons)</source>
        <translation>una línea de valores inversos (id de tarjeta, Order, Rating, Correct, Incorrect, Demons)</translation>
    </message>
    <message>
        <source>lists the log row %1 again, which line %2 lists already</source>
        <translation>vuelve a citar la fila de registro %1, que ya cita la línea %2</translation>
    </message>
    <message>
        <source>the head of a section (its name and its number of lines)</source>
        <translation>la cabecera de una sección (su nombre y su número de líneas)</translation>
    </message>
    <message>
        <source>holds "%1", but there is no section "%2" (only "%3", "%4" and "%5")</source>
        <translation>contiene "%1", pero no hay ninguna sección "%2" (solo "%3", "%4" y "%5")</translation>
    </message>
    <message>
        <source>opens the section "%1" again, which line %2 opened already</source>
        <translation>vuelve a abrir la sección "%1", que ya abrió la línea %2</translation>
    </message>
    <message>
        <source>holds a negative number of lines</source>
        <translation>contiene un número de líneas negativo</translation>
    </message>
    <message>
        <source>The exchange file "%1" could not be written: %2. The file that was there before is unchanged.</source>
        <translation>No se pudo escribir el archivo de intercambio "%1": %2. El archivo que había antes no ha cambiado.</translation>
    </message>
    <message>
        <source>The exchange file "%1" cannot be read: %2.</source>
        <translation>El archivo de intercambio "%1" no se puede leer: %2.</translation>
    </message>
    <message>
        <source>The exchange file "%1" does not exist.</source>
        <translation>El archivo de intercambio "%1" no existe.</translation>
    </message>
    <message>
        <source>holds a text of %1 characters, more than the %2 a text may have</source>
        <translation>contiene un texto de %1 caracteres, más de los %2 que puede tener un texto</translation>
    </message>
    <message>
        <source>holds a NUL character, which no text may hold</source>
        <translation>contiene un carácter NUL, que ningún texto puede contener</translation>
    </message>
    <message numerus="yes">
        <source>%n texts held line breaks or control characters, which the exchange file cannot carry: each line break was written as a blank, the other characters left out.</source>
        <translation>
            <numerusform>%n texto contenía saltos de línea o caracteres de control, que el archivo de intercambio no puede llevar: cada salto de línea se escribió como un espacio y los demás caracteres se omitieron.</numerusform>
            <numerusform>%n textos contenían saltos de línea o caracteres de control, que el archivo de intercambio no puede llevar: cada salto de línea se escribió como un espacio y los demás caracteres se omitieron.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n set names were longer than %1 characters and were written cut to that length.</source>
        <translation>
            <numerusform>%n nombre de serie tenía más de %1 caracteres y se escribió recortado a esa longitud.</numerusform>
            <numerusform>%n nombres de serie tenían más de %1 caracteres y se escribieron recortados a esa longitud.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n log rows were left out: their dates are no day from %1 to %2, which an import would refuse.</source>
        <translation>
            <numerusform>Se omitió %n fila de registro: su fecha no es un día de %1 a %2, algo que una importación rechazaría.</numerusform>
            <numerusform>Se omitieron %n filas de registro: sus fechas no son días de %1 a %2, algo que una importación rechazaría.</numerusform>
        </translation>
    </message>
    <message>
        <source>The database could not be exported: %1</source>
        <translation>No se pudo exportar la base de datos: %1</translation>
    </message>
    <message>
        <source>%1 and %2 came with the cards.</source>
        <translation>%1 y %2 llegaron con las tarjetas.</translation>
    </message>
    <message>
        <source>1 picture</source>
        <translation>1 imagen</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures</source>
        <translation>
            <numerusform>%n imagen</numerusform>
            <numerusform>%n imágenes</numerusform>
        </translation>
    </message>
    <message>
        <source>1 sound</source>
        <translation>1 sonido</translation>
    </message>
    <message numerus="yes">
        <source>%n sounds</source>
        <translation>
            <numerusform>%n sonido</numerusform>
            <numerusform>%n sonidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n multiple-answer cards arrived without their answers; replies to them are judged wrong until their answers are entered.</source>
        <translation>
            <numerusform>%n tarjeta de respuesta múltiple llegó sin sus respuestas; las respuestas dadas se juzgan incorrectas hasta que se introduzcan sus respuestas.</numerusform>
            <numerusform>%n tarjetas de respuesta múltiple llegaron sin sus respuestas; las respuestas dadas se juzgan incorrectas hasta que se introduzcan sus respuestas.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file "%1" is not an exchange file: it holds %2 lines, fewer than one block of %3. Nothing was changed.</source>
        <translation>El archivo "%1" no es un archivo de intercambio: tiene %2 líneas, menos que un bloque de %3. No se cambió nada.</translation>
    </message>
    <message>
        <source>The exchange file "%1" cannot be imported: its %2 lines are not whole records of %3 lines; the last record, from line %4, breaks off at line %2. The file was cut short, or lines were added or removed. Nothing was changed.</source>
        <translation>El archivo de intercambio "%1" no se puede importar: sus %2 líneas no son registros completos de %3 líneas; el último registro, desde la línea %4, se corta en la línea %2. El archivo se cortó, o se añadieron o quitaron líneas. No se cambió nada.</translation>
    </message>
    <message>
        <source>The exchange file "%1" cannot be imported: line %2 %3. Nothing was changed.</source>
        <translation>El archivo de intercambio "%1" no se puede importar: la línea %2 %3. No se cambió nada.</translation>
    </message>
    <message>
        <source>holds the date of a log row, which %1; import without the log to leave the log out</source>
        <translation>contiene la fecha de una fila de registro, que %1; importa sin el registro para dejarlo fuera</translation>
    </message>
    <message>
        <source>The exchange file "%1" cannot be imported: none of its records is a card, a set, a relation or a log row (each has an id other than 0 in line 1, 14, 20 or 23 of its %2). Nothing was changed.</source>
        <translation>El archivo de intercambio "%1" no se puede importar: ninguno de sus registros es una tarjeta, una serie, una relación o una fila de registro (cada uno tiene un id distinto de 0 en la línea 1, 14, 20 o 23 de sus %2). No se cambió nada.</translation>
    </message>
    <message>
        <source>The exchange file "%1" cannot be imported: it holds more than one card with the id %2. Nothing was changed.</source>
        <translation>El archivo de intercambio "%1" no se puede importar: contiene más de una tarjeta con el id %2. No se cambió nada.</translation>
    </message>
    <message>
        <source>The exchange file "%1" cannot be imported: it holds more than one set with the id %2. Nothing was changed.</source>
        <translation>El archivo de intercambio "%1" no se puede importar: contiene más de una serie con el id %2. No se cambió nada.</translation>
    </message>
    <message>
        <source>The exchange file "%1" cannot be imported: it was cut short. Its last block of %2 lines, empty at the end of every export, holds data (line %3), and the companion file "%4" shows that the file is such an export. Nothing was changed.</source>
        <translation>El archivo de intercambio "%1" no se puede importar: se cortó. Su último bloque de %2 líneas, vacío al final de cada exportación, contiene datos (línea %3), y el archivo complementario "%4" muestra que el archivo es una de esas exportaciones. No se cambió nada.</translation>
    </message>
    <message>
        <source>The last %1 lines of "%2" held data (line %3); as in every exchange file, that last block was set aside and not imported.</source>
        <translation>Las últimas %1 líneas de "%2" contenían datos (línea %3); como en todo archivo de intercambio, ese último bloque se dejó aparte y no se importó.</translation>
    </message>
    <message>
        <source>The companion file "%1" was ignored: it belongs to another exchange file, so multiple-answer cards came without their answers, and every set, card and log row as asked question to answer.</source>
        <translation>El archivo complementario "%1" no se tuvo en cuenta: pertenece a otro archivo de intercambio, así que las tarjetas de respuesta múltiple llegaron sin sus respuestas, y cada serie, tarjeta y fila de registro como preguntada de pregunta a respuesta.</translation>
    </message>
    <message>
        <source>The companion file "%1" was ignored: it belongs to another exchange file, so the cards came without their pictures and sounds.</source>
        <translation>El archivo complementario "%1" no se tuvo en cuenta: pertenece a otro archivo de intercambio, así que las tarjetas llegaron sin sus imágenes y sonidos.</translation>
    </message>
    <message>
        <source>The exchange file "%1" could not be imported: %2. Nothing was changed.</source>
        <translation>No se pudo importar el archivo de intercambio "%1": %2. No se cambió nada.</translation>
    </message>
    <message>
        <source>The companion file "%1" cannot be imported: %2. Nothing was changed.</source>
        <translation>El archivo complementario "%1" no se puede importar: %2. No se cambió nada.</translation>
    </message>
    <message>
        <source>it lacks "%1"</source>
        <translation>le falta "%1"</translation>
    </message>
    <message>
        <source>"%1" in it is larger than a card's file may be</source>
        <translation>"%1", que contiene, es más grande de lo que puede ser el archivo de una tarjeta</translation>
    </message>
    <message>
        <source>"%1" in it cannot be read</source>
        <translation>"%1", que contiene, no se puede leer</translation>
    </message>
    <message>
        <source>"%1" in it is damaged</source>
        <translation>"%1", que contiene, está dañado</translation>
    </message>
    <message>
        <source>The pictures and sounds could not be exported: %1</source>
        <translation>No se pudieron exportar las imágenes y los sonidos: %1</translation>
    </message>
    <message>
        <source>its list of cards does not begin as it should</source>
        <translation>su lista de tarjetas no empieza como debería</translation>
    </message>
    <message>
        <source>it was written by a newer version of this program</source>
        <translation>lo escribió una versión más reciente de este programa</translation>
    </message>
    <message>
        <source>the file "%1" in it is not what its name says</source>
        <translation>el archivo "%1" que contiene no es lo que dice su nombre</translation>
    </message>
    <message>
        <source>The companion file "%1" cannot be written</source>
        <translation>El archivo complementario "%1" no se puede escribir</translation>
    </message>
    <message>
        <source>The companion file "%1" cannot be written: %2</source>
        <translation>El archivo complementario "%1" no se puede escribir: %2</translation>
    </message>
    <message>
        <source>it is cut short or damaged (not a readable zip archive)</source>
        <translation>está cortado o dañado (no es un archivo zip legible)</translation>
    </message>
    <message>
        <source>line %1 of its list of cards is malformed</source>
        <translation>la línea %1 de su lista de tarjetas está mal formada</translation>
    </message>
    <message>
        <source>holds "%1", but the forms line needs a date format, a time format and a decimal separator, separated by tabs</source>
        <translation>contiene "%1", pero la línea de formatos necesita un formato de fecha, un formato de hora y un separador decimal, separados por tabuladores</translation>
    </message>
    <message>
        <source>holds "%1", but a version is a whole number from 1</source>
        <translation>contiene "%1", pero una versión es un número entero desde 1</translation>
    </message>
    <message>
        <source>says it is of version %1, but this program reads companions up to version %2: import it with a newer version of the program</source>
        <translation>dice que es de la versión %1, pero este programa lee archivos complementarios hasta la versión %2: impórtalo con una versión más reciente del programa</translation>
    </message>
    <message>
        <source>holds a negative number of answers</source>
        <translation>contiene un número de respuestas negativo</translation>
    </message>
    <message>
        <source>The companion file "%1" cannot be imported: line %2 gives answers to the card %3, which is not a multiple-answer card in the exchange file. Nothing was changed.</source>
        <translation>El archivo complementario "%1" no se puede importar: la línea %2 da respuestas a la tarjeta %3, que no es una tarjeta de respuesta múltiple en el archivo de intercambio. No se cambió nada.</translation>
    </message>
    <message>
        <source>an id must be a whole number</source>
        <translation>un id debe ser un número entero</translation>
    </message>
    <message>
        <source>it is neither True nor False</source>
        <translation>no es ni True ni False</translation>
    </message>
    <message>
        <source>it is not a number</source>
        <translation>no es un número</translation>
    </message>
    <message>
        <source>it is not a date</source>
        <translation>no es una fecha</translation>
    </message>
</context>
<context>
    <name>ExchangeMenu</name>
    <message>
        <source>%v of %m records</source>
        <translation>%v de %m registros</translation>
    </message>
    <message>
        <source>Exporting the database...</source>
        <translation>Exportando la base de datos...</translation>
    </message>
    <message>
        <source>Export has been completed successfully. The file location is: %1.</source>
        <translation>La exportación se completó correctamente. La ubicación del archivo es: %1.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importando...</translation>
    </message>
    <message>
        <source>Import has been completed successfully</source>
        <translation>La importación se completó correctamente</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>The Demons could not be marked: %1
The marks are as they were, and the lesson goes on as before.</source>
        <translation>No se pudieron marcar los Demonios: %1
Las marcas siguen como estaban y la lección continúa como antes.</translation>
    </message>
    <message>
        <source>The number of Demons stored in the database ("%1") is not a whole number, so no card was marked. Set it under Learn &gt; Demons &gt; Arrange Demons.</source>
        <translation>El número de Demonios guardado en la base de datos («%1») no es un número entero, así que no se marcó ninguna tarjeta. Ajústalo en Aprender &gt; Demonios &gt; Organizar los Demonios.</translation>
    </message>
    <message>
        <source>No reply of this lesson to take back yet</source>
        <translation>Todavía no hay ninguna respuesta dada de esta lección que deshacer</translation>
    </message>
    <message>
        <source>The due cards could not be read: %1</source>
        <translation>No se pudieron leer las tarjetas pendientes: %1</translation>
    </message>
    <message>
        <source>Nothing is due today.</source>
        <translation>Hoy no hay nada pendiente.</translation>
    </message>
    <message>
        <source>There are no records in this set.Populate the current set with records or select another set to learn.</source>
        <translation>Esta serie no tiene tarjetas. Añade tarjetas a la serie actual o elige otra serie para aprender.</translation>
    </message>
    <message>
        <source>A reply cannot be taken back after the end of a bunch: the cards were reordered</source>
        <translation>No se puede deshacer una respuesta dada después del final de una vuelta: las tarjetas se han reordenado</translation>
    </message>
    <message>
        <source>End of Set</source>
        <translation>Fin de la vuelta</translation>
    </message>
    <message>
        <source>A reply cannot be taken back once the due cards are done</source>
        <translation>No se puede deshacer una respuesta dada cuando ya se han terminado las tarjetas pendientes</translation>
    </message>
    <message>
        <source>Nothing more is due today.</source>
        <translation>Hoy no queda nada pendiente.</translation>
    </message>
    <message>
        <source>A reply cannot be taken back once the whole set is learnt</source>
        <translation>No se puede deshacer una respuesta dada cuando ya se ha aprendido toda la serie</translation>
    </message>
    <message>
        <source>Congratulations! You've successfully learn't the set. Choose another set to learn.</source>
        <translation>¡Enhorabuena! Has aprendido la serie con éxito. Elige otra serie para aprender.</translation>
    </message>
    <message>
        <source>Correct answer is: %1</source>
        <translation>La respuesta correcta es: %1</translation>
    </message>
    <message>
        <source>WRONG</source>
        <translation>INCORRECTO</translation>
    </message>
    <message>
        <source>The reply could not be saved: %1
The card's score and the log are unchanged; the lesson goes on.</source>
        <translation>No se pudo guardar la respuesta dada: %1
La puntuación de la tarjeta y el registro no cambian; la lección continúa.</translation>
    </message>
    <message>
        <source>Asked: answer to question</source>
        <translation>Preguntado: de respuesta a pregunta</translation>
    </message>
    <message>
        <source>Asked: both ways</source>
        <translation>Preguntado: en las dos direcciones</translation>
    </message>
    <message>
        <source>Due today: %1</source>
        <translation>Pendientes hoy: %1</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>Curr. bunch %1</source>
        <translation>Vuelta actual %1</translation>
    </message>
    <message>
        <source>Remains %1</source>
        <translation>Quedan %1</translation>
    </message>
    <message>
        <source>ORDER</source>
        <translation>ORDEN</translation>
    </message>
    <message>
        <source>NO order</source>
        <translation>SIN orden</translation>
    </message>
    <message numerus="yes">
        <source>%n Answers</source>
        <translation>
            <numerusform>%n respuesta</numerusform>
            <numerusform>%n respuestas</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot prepare the card order: %1</source>
        <translation>No se puede preparar el orden de las tarjetas: %1</translation>
    </message>
    <message>
        <source>not in the answer</source>
        <translation>no está en la respuesta</translation>
    </message>
    <message>
        <source>missing from your reply</source>
        <translation>falta en tu respuesta dada</translation>
    </message>
    <message>
        <source>typed in place of the answer's</source>
        <translation>escrito en lugar de los de la respuesta</translation>
    </message>
    <message>
        <source>a blank</source>
        <translation>un espacio</translation>
    </message>
    <message>
        <source>Your reply:</source>
        <translation>Tu respuesta dada:</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>Respuesta:</translation>
    </message>
    <message>
        <source>The settings row Fields1 is missing</source>
        <translation>Falta la fila de ajustes Fields1</translation>
    </message>
    <message>
        <source>the computer's clock says it is %1, not a day from %2 to %3 as a log row needs; set the clock.</source>
        <translation>el reloj del equipo marca %1, no un día de %2 a %3 como necesita una fila del registro; ajusta el reloj.</translation>
    </message>
    <message>
        <source>the reply's log row is gone</source>
        <translation>la fila del registro de la respuesta dada ya no existe</translation>
    </message>
    <message>
        <source>The database could not be read or written: %1</source>
        <translation>No se pudo leer ni escribir la base de datos: %1</translation>
    </message>
    <message>
        <source>The set could not be loaded: %1</source>
        <translation>No se pudo cargar la serie: %1</translation>
    </message>
    <message>
        <source>The current set has been reset. All questions of the set are available now.</source>
        <translation>La serie actual se ha reiniciado. Todas las preguntas de la serie están disponibles de nuevo.</translation>
    </message>
    <message>
        <source>No reply to take back yet</source>
        <translation>Todavía no hay ninguna respuesta dada que deshacer</translation>
    </message>
    <message>
        <source>The last reply was taken back; the next judged reply can be taken back</source>
        <translation>Se ha deshecho la última respuesta dada; la próxima respuesta dada corregida se podrá deshacer</translation>
    </message>
    <message>
        <source>The reply is being stored</source>
        <translation>Se está guardando la respuesta dada</translation>
    </message>
    <message>
        <source>Takes your last reply back and asks its question again</source>
        <translation>Deshace tu última respuesta dada y vuelve a hacer su pregunta</translation>
    </message>
    <message>
        <source>The reply could not be taken back: %1
The score, the log and the lesson are as they were.</source>
        <translation>No se pudo deshacer la respuesta dada: %1
La puntuación, el registro y la lección siguen como estaban.</translation>
    </message>
    <message>
        <source>The answer could not be saved.

%1</source>
        <translation>No se pudo guardar la respuesta.

%1</translation>
    </message>
    <message>
        <source>Are you sure you want to convert the current question into the multiple answer question?</source>
        <translation>¿Seguro que quieres convertir la pregunta actual en una pregunta de respuesta múltiple?</translation>
    </message>
    <message>
        <source>A card with several answers needs at least one answer, or it could never be answered right. Its answers were left as they were.</source>
        <translation>Una tarjeta de respuesta múltiple necesita al menos una respuesta; si no, nunca se podría responder bien. Sus respuestas se han dejado como estaban.</translation>
    </message>
    <message>
        <source>The answers could not be saved; the card keeps the answers it had.

%1</source>
        <translation>No se pudieron guardar las respuestas; la tarjeta conserva las que tenía.

%1</translation>
    </message>
    <message>
        <source>This card has no answers yet: enter them on the Edit Set screen.</source>
        <translation>Esta tarjeta aún no tiene respuestas: escríbelas en la pantalla de edición de la serie.</translation>
    </message>
    <message>
        <source>The comparison of your replies could not be shown: %1</source>
        <translation>No se puede mostrar la comparación de tus respuestas dadas: %1</translation>
    </message>
    <message>
        <source>The order is important</source>
        <translation>El orden es importante</translation>
    </message>
    <message>
        <source>The order is NOT important</source>
        <translation>El orden NO es importante</translation>
    </message>
    <message>
        <source>Display the number of answers with the question</source>
        <translation>Mostrar el número de respuestas con la pregunta</translation>
    </message>
    <message>
        <source>DON'T display the number of answers with the question</source>
        <translation>NO mostrar el número de respuestas con la pregunta</translation>
    </message>
    <message>
        <source>Edit Set</source>
        <translation>Editar serie</translation>
    </message>
    <message>
        <source>Change Set Name</source>
        <translation>Cambiar el nombre de la serie</translation>
    </message>
    <message>
        <source>Create Set</source>
        <translation>Crear serie</translation>
    </message>
    <message>
        <source>Learn Set</source>
        <translation>Aprender serie</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Set list</source>
        <translation>Lista de series</translation>
    </message>
    <message>
        <source>The set to learn or edit</source>
        <translation>La serie que aprender o editar</translation>
    </message>
    <message>
        <source>Answers of the card</source>
        <translation>Respuestas de la tarjeta</translation>
    </message>
    <message>
        <source>One answer a row; Enter goes to the next</source>
        <translation>Una respuesta por fila; Intro pasa a la siguiente</translation>
    </message>
    <message>
        <source>Cards of the set</source>
        <translation>Tarjetas de la serie</translation>
    </message>
    <message>
        <source>Question and answer of each card</source>
        <translation>Pregunta y respuesta de cada tarjeta</translation>
    </message>
    <message>
        <source>Answers you typed</source>
        <translation>Tus respuestas dadas</translation>
    </message>
    <message>
        <source>Name for the new set</source>
        <translation>Nombre de la nueva serie</translation>
    </message>
    <message>
        <source>New name for the set</source>
        <translation>Nuevo nombre de la serie</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Type the answer to the question, then press Enter</source>
        <translation>Escribe la respuesta a la pregunta y pulsa Intro</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Puts the question again</source>
        <translation>Vuelve a hacer la pregunta</translation>
    </message>
    <message>
        <source>Demons</source>
        <translation>Demonios</translation>
    </message>
    <message>
        <source>Back to the whole set</source>
        <translation>Volver a toda la serie</translation>
    </message>
    <message>
        <source>The next question</source>
        <translation>La siguiente pregunta</translation>
    </message>
    <message>
        <source>Check the answer</source>
        <translation>Comprobar la respuesta</translation>
    </message>
    <message>
        <source>Multiple Answers</source>
        <translation>Respuestas múltiples</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Respuesta dada</translation>
    </message>
    <message>
        <source>Correct.</source>
        <translation>Correcto.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <translation>Incorrecto.</translation>
    </message>
    <message>
        <source>Question: %1</source>
        <translation>Pregunta: %1</translation>
    </message>
    <message>
        <source>Something went wrong: %1</source>
        <translation>Algo ha fallado: %1</translation>
    </message>
    <message>
        <source>Learn</source>
        <translation>Aprender</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Edit the set</source>
        <translation>Editar la serie</translation>
    </message>
    <message>
        <source>Rename the set</source>
        <translation>Cambiar el nombre de la serie</translation>
    </message>
    <message>
        <source>Create a new set</source>
        <translation>Crear una serie nueva</translation>
    </message>
    <message>
        <source>delete the set</source>
        <translation>borrar la serie</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Learn the whole set</source>
        <translation>Aprender toda la serie</translation>
    </message>
    <message>
        <source>Sond mode is on</source>
        <translation>El sonido está activado</translation>
    </message>
    <message>
        <source>How the answer went</source>
        <translation>Cómo fue la respuesta</translation>
    </message>
    <message>
        <source>Learn Demons</source>
        <translation>Aprender los Demonios</translation>
    </message>
    <message>
        <source>Kids mode</source>
        <translation>Modo Niños</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the card "%1"?</source>
        <translation>¿Seguro que quieres borrar la tarjeta «%1»?</translation>
    </message>
    <message>
        <source>Choose a set in the list before typing its cards. The card was not saved.</source>
        <translation>Elige una serie de la lista antes de escribir sus tarjetas. La tarjeta no se ha guardado.</translation>
    </message>
    <message>
        <source>The card could not be saved.

%1</source>
        <translation>No se pudo guardar la tarjeta.

%1</translation>
    </message>
    <message>
        <source>Set with the name specified already exists. Specify a different set name.</source>
        <translation>Ya existe una serie con ese nombre. Indica otro nombre de serie.</translation>
    </message>
    <message>
        <source>Enter the name of the new set</source>
        <translation>Escribe el nombre de la nueva serie</translation>
    </message>
    <message>
        <source>You must enter the meaningful set name to create a new set</source>
        <translation>Para crear una serie nueva tienes que escribir un nombre de serie válido</translation>
    </message>
    <message>
        <source>The set could not be created.</source>
        <translation>No se pudo crear la serie.</translation>
    </message>
    <message>
        <source>Enter the new set name</source>
        <translation>Escribe el nuevo nombre de la serie</translation>
    </message>
    <message>
        <source>The set could not be renamed.</source>
        <translation>No se pudo cambiar el nombre de la serie.</translation>
    </message>
    <message>
        <source>The sets could not be read.</source>
        <translation>No se pudieron leer las series.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the set?</source>
        <translation>¿Seguro que quieres borrar la serie?</translation>
    </message>
    <message>
        <source>The set could not be deleted; nothing was changed.</source>
        <translation>No se pudo borrar la serie; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The sets could not be removed.</source>
        <translation>No se pudieron quitar las series.</translation>
    </message>
    <message>
        <source>The cards could not be removed.</source>
        <translation>No se pudieron quitar las tarjetas.</translation>
    </message>
    <message>
        <source>The placeholder card could not be added.</source>
        <translation>No se pudo añadir la tarjeta provisional.</translation>
    </message>
    <message>
        <source>Back up now</source>
        <translation>Hacer copia de seguridad ahora</translation>
    </message>
    <message>
        <source>%1.

No backup was made of it. Choose File &gt; Restore from backup... to go back to a good backup; the file as it is now is kept.</source>
        <translation>%1.

No se hizo ninguna copia de seguridad. Elige Archivo &gt; Restaurar una copia de seguridad... para volver a una copia buena; el archivo tal como está ahora se conserva.</translation>
    </message>
    <message>
        <source>A backup was written to "%1".</source>
        <translation>Se ha escrito una copia de seguridad en «%1».</translation>
    </message>
    <message>
        <source>Direction...</source>
        <translation>Dirección...</translation>
    </message>
    <message>
        <source>The database could not be updated on closing: %1</source>
        <translation>No se pudo actualizar la base de datos al cerrar: %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>New set</source>
        <translation>Nueva serie</translation>
    </message>
    <message>
        <source>Edit set</source>
        <translation>Editar serie</translation>
    </message>
    <message>
        <source>Edit set name</source>
        <translation>Editar nombre de la serie</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Show the Log</source>
        <translation>Mostrar el registro</translation>
    </message>
    <message>
        <source>Statistics...</source>
        <translation>Estadísticas...</translation>
    </message>
    <message>
        <source>Clean the Log</source>
        <translation>Limpiar el registro</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Export set as word list...</source>
        <translation>Exportar la serie como lista de palabras...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Import with log</source>
        <translation>Importar con registro</translation>
    </message>
    <message>
        <source>Import without log</source>
        <translation>Importar sin registro</translation>
    </message>
    <message>
        <source>Word list...</source>
        <translation>Lista de palabras...</translation>
    </message>
    <message>
        <source>&amp;Learn</source>
        <translation>A&amp;prender</translation>
    </message>
    <message>
        <source>Arrange Demons</source>
        <translation>Organizar los Demonios</translation>
    </message>
    <message>
        <source>Undo last reply</source>
        <translation>Deshacer la última respuesta dada</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Delete set</source>
        <translation>Eliminar serie</translation>
    </message>
    <message>
        <source>Create Multiple Answer</source>
        <translation>Crear respuesta múltiple</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Voice...</source>
        <translation>Voz...</translation>
    </message>
    <message>
        <source>Judging</source>
        <translation>Evaluación</translation>
    </message>
    <message>
        <source>Ignore capitals</source>
        <translation>Ignorar mayúsculas</translation>
    </message>
    <message>
        <source>Ignore extra blanks</source>
        <translation>Ignorar espacios de más</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>&amp;Modo</translation>
    </message>
    <message>
        <source>Kids</source>
        <translation>Niños</translation>
    </message>
    <message>
        <source>Academic</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Talking</source>
        <translation>Hablado</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>Silencioso</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Tutorial</translation>
    </message>
    <message>
        <source>About Memorant</source>
        <translation>Acerca de Memorant</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>The order is not important</source>
        <translation>El orden no es importante</translation>
    </message>
    <message>
        <source>Enter a  name for the new set</source>
        <translation>Escribe un nombre para la nueva serie</translation>
    </message>
    <message>
        <source>Select the set from list</source>
        <translation>Elige la serie de la lista</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Incorrecto</translation>
    </message>
    <message>
        <source>Enter the new name for the selected set</source>
        <translation>Escribe el nuevo nombre de la serie elegida</translation>
    </message>
    <message>
        <source>The judging options could not be saved: %1</source>
        <translation>No se pudieron guardar las opciones de evaluación: %1</translation>
    </message>
    <message>
        <source>Language...</source>
        <translation>Idioma...</translation>
    </message>
    <message>
        <source>The log cannot be shown: %1</source>
        <translation>No se puede mostrar el registro: %1</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all the records from the Log?</source>
        <translation>¿Seguro que quieres borrar todas las entradas del registro?</translation>
    </message>
    <message>
        <source>The log could not be cleaned: %1</source>
        <translation>No se pudo vaciar el registro: %1</translation>
    </message>
    <message>
        <source>The statistics cannot be shown: %1</source>
        <translation>No se pueden mostrar las estadísticas: %1</translation>
    </message>
    <message>
        <source>There is no set "%1" now: it was renamed or deleted.</source>
        <translation>La serie «%1» ya no existe: se ha renombrado o borrado.</translation>
    </message>
    <message>
        <source>Restore from backup...</source>
        <translation>Restaurar una copia de seguridad...</translation>
    </message>
    <message>
        <source>Replies can be taken back on the learning screen only</source>
        <translation>Las respuestas dadas solo se pueden deshacer en la pantalla de aprendizaje</translation>
    </message>
    <message>
        <source>To use the program in the Talking mode you need a working speech engine and sound output on your machine. The program will now be switched to the Silent mode.</source>
        <translation>Para usar el programa en modo Hablado necesitas en tu equipo un motor de voz y una salida de sonido que funcionen. El programa pasará ahora al modo Silencioso.</translation>
    </message>
</context>
<context>
    <name>GridMediaColumns</name>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Choose the card's picture</source>
        <translation>Elegir la imagen de la tarjeta</translation>
    </message>
    <message>
        <source>Choose the card's sound</source>
        <translation>Elegir el sonido de la tarjeta</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.gif *.webp *.svg);;All files (*)</source>
        <translation>Imágenes (*.png *.jpg *.jpeg *.gif *.webp *.svg);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.mp3 *.ogg *.oga *.opus);;All files (*)</source>
        <translation>Sonidos (*.wav *.mp3 *.ogg *.oga *.opus);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Show picture and sound columns</source>
        <translation>Mostrar las columnas de imagen y sonido</translation>
    </message>
    <message>
        <source>No picture: double-click, drop or paste one</source>
        <translation>Sin imagen: haz doble clic, arrastra una o pégala</translation>
    </message>
    <message>
        <source>No sound: double-click or drop one</source>
        <translation>Sin sonido: haz doble clic o arrastra uno</translation>
    </message>
    <message>
        <source>A sound: right-click to play or remove it</source>
        <translation>Un sonido: clic derecho para reproducirlo o quitarlo</translation>
    </message>
    <message>
        <source>A picture: right-click to change or remove it</source>
        <translation>Una imagen: clic derecho para cambiarla o quitarla</translation>
    </message>
    <message>
        <source>"%1" cannot be read</source>
        <translation>No se puede leer «%1»</translation>
    </message>
    <message>
        <source>"%1" is larger than 20 MB: too large for a card's picture or sound.</source>
        <translation>«%1» ocupa más de 20 MB: demasiado para la imagen o el sonido de una tarjeta.</translation>
    </message>
    <message>
        <source>The clipboard holds no picture</source>
        <translation>El portapapeles no contiene ninguna imagen</translation>
    </message>
    <message>
        <source>This sound cannot be played</source>
        <translation>Este sonido no se puede reproducir</translation>
    </message>
    <message>
        <source>The sound cannot be played: %1</source>
        <translation>No se puede reproducir el sonido: %1</translation>
    </message>
    <message>
        <source>Choose picture...</source>
        <translation>Elegir imagen...</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>Pegar imagen</translation>
    </message>
    <message>
        <source>Remove picture</source>
        <translation>Quitar imagen</translation>
    </message>
    <message>
        <source>Choose sound...</source>
        <translation>Elegir sonido...</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Reproducir sonido</translation>
    </message>
    <message>
        <source>Remove sound</source>
        <translation>Quitar sonido</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>&lt;ul&gt;&lt;li&gt;pictures: %1&lt;/li&gt;&lt;li&gt;sounds: %2&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;ul&gt;&lt;li&gt;imágenes: %1&lt;/li&gt;&lt;li&gt;sonidos: %2&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
</context>
<context>
    <name>LogWindow</name>
    <message>
        <source>Log</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Replies in the Log</source>
        <translation>Respuestas dadas del registro</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>SetName</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>JudgedBy</source>
        <translation>Aceptada por</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Dirección</translation>
    </message>
</context>
<context>
    <name>LostEditsWindow</name>
    <message>
        <source>Edits that lost</source>
        <translation>Cambios perdidos</translation>
    </message>
    <message>
        <source>Set name</source>
        <translation>Nombre de la serie</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <source>(deleted)</source>
        <translation>(borrado)</translation>
    </message>
    <message>
        <source>When two machines changed the same text before they synced, the later change was kept and the other is listed here. "Use this one" brings it back as a new change, which the other machines then receive.</source>
        <translation>Cuando dos equipos cambiaron el mismo texto antes de sincronizarse, se conservó el cambio posterior y el otro aparece aquí. «Usar este» lo recupera como un cambio nuevo, que luego reciben los demás equipos.</translation>
    </message>
    <message>
        <source>Card or set</source>
        <translation>Tarjeta o serie</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Lost text</source>
        <translation>Texto perdido</translation>
    </message>
    <message>
        <source>Kept text</source>
        <translation>Texto conservado</translation>
    </message>
    <message>
        <source>Lost on</source>
        <translation>Perdido en</translation>
    </message>
    <message>
        <source>Kept from</source>
        <translation>Conservado de</translation>
    </message>
    <message>
        <source>No edit has lost to another machine's.</source>
        <translation>Ningún cambio se ha perdido frente al de otro equipo.</translation>
    </message>
    <message>
        <source>Use this one</source>
        <translation>Usar este</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Olvidar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>Media</name>
    <message>
        <source>"%1" is no picture or sound that can be kept (PNG, JPEG, GIF, WebP or SVG; WAV, MP3, Ogg Vorbis or Opus).</source>
        <translation>"%1" no es una imagen ni un sonido que se pueda guardar (PNG, JPEG, GIF, WebP o SVG; WAV, MP3, Ogg Vorbis u Opus).</translation>
    </message>
    <message>
        <source>The picture "%1" is larger than 10 MB.</source>
        <translation>La imagen "%1" ocupa más de 10 MB.</translation>
    </message>
    <message>
        <source>The picture "%1" cannot be read: its header is damaged or cut short.</source>
        <translation>La imagen "%1" no se puede leer: su cabecera está dañada o cortada.</translation>
    </message>
    <message>
        <source>The picture "%1" refers to other files or holds a script: only a self-contained SVG is kept.</source>
        <translation>La imagen "%1" hace referencia a otros archivos o contiene un script: solo se guarda un SVG autónomo.</translation>
    </message>
    <message>
        <source>The picture "%1" is %2 × %3 px: more than %4 px on a side.</source>
        <translation>La imagen "%1" mide %2 × %3 px: más de %4 px en un lado.</translation>
    </message>
    <message>
        <source>The sound "%1" is larger than 20 MB.</source>
        <translation>El sonido "%1" ocupa más de 20 MB.</translation>
    </message>
    <message>
        <source>"%1" is a sound, not a picture</source>
        <translation>"%1" es un sonido, no una imagen</translation>
    </message>
    <message>
        <source>"%1" is a picture, not a sound</source>
        <translation>"%1" es una imagen, no un sonido</translation>
    </message>
</context>
<context>
    <name>RestoreWindow</name>
    <message>
        <source>unreadable</source>
        <translation>ilegible</translation>
    </message>
    <message>
        <source>kept before a restore</source>
        <translation>guardada antes de una restauración</translation>
    </message>
    <message>
        <source>damaged file, kept</source>
        <translation>archivo dañado, guardado</translation>
    </message>
    <message>
        <source>backup</source>
        <translation>copia de seguridad</translation>
    </message>
    <message>
        <source>the database as it was before the restore of %1</source>
        <translation>la base de datos tal como estaba antes de la restauración del %1</translation>
    </message>
    <message>
        <source>the damaged file kept %1</source>
        <translation>el archivo dañado guardado el %1</translation>
    </message>
    <message>
        <source>the backup taken %1</source>
        <translation>la copia de seguridad del %1</translation>
    </message>
    <message>
        <source>Restore from backup</source>
        <translation>Restaurar una copia de seguridad</translation>
    </message>
    <message>
        <source>Backups in %1, and the copies that earlier restores kept beside the database: restoring one of those undoes that restore.</source>
        <translation>Las copias de seguridad de %1 y las copias que guardaron restauraciones anteriores junto a la base de datos: restaurar una de ellas deshace esa restauración.</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Copias de seguridad</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Tarjetas</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Restore %1? The database as it is now is kept beside it as "%2".</source>
        <translation>¿Restaurar %1? La base de datos tal como está ahora se guarda a su lado como «%2».</translation>
    </message>
    <message>
        <source>%1 was restored. The previous database is kept as "%2".</source>
        <translation>Se ha restaurado %1. La base de datos anterior se guarda como «%2».</translation>
    </message>
</context>
<context>
    <name>ReviewDialog</name>
    <message>
        <source>Review cards when they are due</source>
        <translation>Repasar las tarjetas cuando estén pendientes</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Repaso</translation>
    </message>
    <message>
        <source>Memorant works out from your replies how well you still remember each card. A card is due when the chance that you recall it has fallen below the recall you want. Learn &gt; Due cards asks the due cards of all sets.</source>
        <translation>Memorant calcula a partir de tus respuestas dadas lo bien que recuerdas cada tarjeta. Una tarjeta está pendiente cuando la probabilidad de que la recuerdes ha bajado del recuerdo deseado. Aprender &gt; Tarjetas pendientes pregunta las tarjetas pendientes de todas las series.</translation>
    </message>
    <message>
        <source>Recall wanted:</source>
        <translation>Recuerdo deseado:</translation>
    </message>
    <message>
        <source>No card has been answered yet: the reviews a day show here once there are replies.</source>
        <translation>Aún no se ha respondido ninguna tarjeta: los repasos por día aparecerán aquí cuando haya respuestas dadas.</translation>
    </message>
    <message numerus="yes">
        <source>For the %n cards answered so far, about %1 reviews a day. More recall wanted means more reviews.</source>
        <translation>
            <numerusform>Para la %n tarjeta respondida hasta ahora, unos %1 repasos al día. Más recuerdo deseado significa más repasos.</numerusform>
            <numerusform>Para las %n tarjetas respondidas hasta ahora, unos %1 repasos al día. Más recuerdo deseado significa más repasos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReviewMenu</name>
    <message>
        <source>Review...</source>
        <translation>Repaso...</translation>
    </message>
    <message>
        <source>Due cards</source>
        <translation>Tarjetas pendientes</translation>
    </message>
    <message>
        <source>Learn the due cards</source>
        <translation>Aprender las tarjetas pendientes</translation>
    </message>
    <message>
        <source>The review settings cannot be read: %1</source>
        <translation>No se pueden leer los ajustes de repaso: %1</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Repaso</translation>
    </message>
    <message>
        <source>The review settings could not be stored: %1
They are as they were.</source>
        <translation>No se pudieron guardar los ajustes de repaso: %1
Siguen como estaban.</translation>
    </message>
</context>
<context>
    <name>Sets</name>
    <message>
        <source>the set name was cut to %1 characters</source>
        <translation>el nombre de la serie se recortó a %1 caracteres</translation>
    </message>
    <message numerus="yes">
        <source>%n set names were cut to %1 characters</source>
        <translation>
            <numerusform>%n nombre de serie se recortó a %1 caracteres</numerusform>
            <numerusform>%n nombres de serie se recortaron a %1 caracteres</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>no audio output device was found</source>
        <translation>no se encontró ningún dispositivo de salida de audio</translation>
    </message>
    <message>
        <source>the audio output "%1" cannot play %2 Hz audio</source>
        <translation>la salida de audio "%1" no puede reproducir audio a %2 Hz</translation>
    </message>
    <message>
        <source>the audio output "%1" could not be opened</source>
        <translation>no se pudo abrir la salida de audio "%1"</translation>
    </message>
    <message>
        <source>the audio output "%1" stopped responding</source>
        <translation>la salida de audio "%1" dejó de responder</translation>
    </message>
    <message>
        <source>the audio output "%1" failed while playing</source>
        <translation>la salida de audio "%1" falló durante la reproducción</translation>
    </message>
    <message>
        <source>the espeak-ng speech engine could not be started (its voice data, espeak-ng-data, was not found)</source>
        <translation>no se pudo iniciar el motor de voz espeak-ng (no se encontraron sus datos de voz, espeak-ng-data)</translation>
    </message>
    <message>
        <source>espeak-ng has no English voice</source>
        <translation>espeak-ng no tiene ninguna voz inglesa</translation>
    </message>
    <message>
        <source>espeak-ng could not synthesise the text</source>
        <translation>espeak-ng no pudo sintetizar el texto</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>%1.

No backup was made of it. Choose File &gt; Restore from backup... to go back to a good backup; the file as it is now is kept.</source>
        <translation>%1.

No se hizo ninguna copia de seguridad de él. Elige Archivo &gt; Restaurar una copia de seguridad... para volver a una copia buena; el archivo tal como está ahora se conserva.</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>aviso: %1</translation>
    </message>
    <message>
        <source>%1. You can go on learning; your work is saved in the database as always.</source>
        <translation>%1. Puedes seguir aprendiendo; tu trabajo se guarda en la base de datos como siempre.</translation>
    </message>
    <message>
        <source>%1.

There is no backup in "%2" that passes the check. The file was left as it was.</source>
        <translation>%1.

No hay en "%2" ninguna copia de seguridad que pase la comprobación. El archivo se dejó como estaba.</translation>
    </message>
    <message>
        <source>%1.

Restore the newest good backup, taken %2? The damaged file is kept beside it, renamed.</source>
        <translation>%1.

¿Restaurar la copia de seguridad buena más reciente, hecha el %2? El archivo dañado se conserva al lado, con otro nombre.</translation>
    </message>
    <message>
        <source>%1. The file was left as it was.</source>
        <translation>%1. El archivo se dejó como estaba.</translation>
    </message>
    <message>
        <source>The backup taken %1 was restored. The damaged file is kept as "%2".</source>
        <translation>Se restauró la copia de seguridad hecha el %1. El archivo dañado se conserva como "%2".</translation>
    </message>
    <message>
        <source>The database "%1" is missing, but copies of it lie beside it, newest first:
%2</source>
        <translation>Falta la base de datos "%1", pero hay copias a su lado, la más reciente primero:
%2</translation>
    </message>
    <message>
        <source>Start Memorant in its window to finish the restore, open the newest copy or start a new database; or rename a copy to "%1".</source>
        <translation>Inicia Memorant en su ventana para terminar la restauración, abrir la copia más reciente o empezar una base de datos nueva; o cambia el nombre de una copia a "%1".</translation>
    </message>
    <message>
        <source>Finish the restore that was interrupted, putting "%1" in place?</source>
        <translation>¿Terminar la restauración interrumpida poniendo "%1" en su lugar?</translation>
    </message>
    <message>
        <source>Open the newest good copy, "%1"? It is copied in place; the copies stay as they are.</source>
        <translation>¿Abrir la copia buena más reciente, "%1"? Se copia en su lugar; las copias se quedan como están.</translation>
    </message>
    <message>
        <source>Start a new database with the sample set? The copies stay as they are.</source>
        <translation>¿Empezar una base de datos nueva con la serie de ejemplo? Las copias se quedan como están.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>No se cambió nada.</translation>
    </message>
    <message>
        <source>Cannot make the data folder "%1"</source>
        <translation>No se puede crear la carpeta de datos "%1"</translation>
    </message>
    <message>
        <source>Files:</source>
        <translation>Archivos:</translation>
    </message>
    <message>
        <source>the database with --user-data</source>
        <translation>la base de datos con --user-data</translation>
    </message>
    <message>
        <source>(built into the program)</source>
        <translation>(integrado en el programa)</translation>
    </message>
    <message>
        <source>the help pages</source>
        <translation>las páginas de ayuda</translation>
    </message>
    <message>
        <source>your own sounds for Object 1 to Object 11, the first found</source>
        <translation>tus propios sonidos para Object 1 a Object 11, el primero que se encuentre</translation>
    </message>
    <message>
        <source>Memorant cannot start: %1</source>
        <translation>Memorant no puede iniciarse: %1</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>no replies yet</source>
        <translation>aún no hay respuestas dadas</translation>
    </message>
    <message numerus="yes">
        <source>%1 – %2 (%n days)</source>
        <translation>
            <numerusform>%1 – %2 (%n día)</numerusform>
            <numerusform>%1 – %2 (%n días)</numerusform>
        </translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Últimos 30 días</translation>
    </message>
    <message>
        <source>Last 90 days</source>
        <translation>Últimos 90 días</translation>
    </message>
    <message>
        <source>Last 365 days</source>
        <translation>Últimos 365 días</translation>
    </message>
    <message>
        <source>All days</source>
        <translation>Todos los días</translation>
    </message>
    <message>
        <source>All sets</source>
        <translation>Todas las series</translation>
    </message>
    <message>
        <source>Save chart as PNG...</source>
        <translation>Guardar el gráfico como PNG...</translation>
    </message>
    <message>
        <source>Save numbers as CSV...</source>
        <translation>Guardar las cifras como CSV...</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Incorrecto</translation>
    </message>
    <message>
        <source>Correct and wrong replies per day</source>
        <translation>Respuestas dadas correctas e incorrectas por día</translation>
    </message>
    <message>
        <source>Share of correct replies</source>
        <translation>Proporción de respuestas dadas correctas</translation>
    </message>
    <message>
        <source>Replies in the last year</source>
        <translation>Respuestas dadas en el último año</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Tarjetas</translation>
    </message>
    <message>
        <source>Answered</source>
        <translation>Respondidas</translation>
    </message>
    <message>
        <source>Replies</source>
        <translation>Respuestas dadas</translation>
    </message>
    <message>
        <source>Share correct</source>
        <translation>Proporción correcta</translation>
    </message>
    <message>
        <source>Mean rating</source>
        <translation>Puntuación media</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Hardest cards of the chosen set</source>
        <translation>Tarjetas más difíciles de la serie elegida</translation>
    </message>
    <message>
        <source>Double-click a card to open it in its set</source>
        <translation>Haz doble clic en una tarjeta para abrirla en su serie</translation>
    </message>
    <message>
        <source>The statistics cannot be read: %1</source>
        <translation>No se pueden leer las estadísticas: %1</translation>
    </message>
    <message>
        <source>Replies per day, %1</source>
        <translation>Respuestas dadas por día, %1</translation>
    </message>
    <message>
        <source>Share correct per day, %1</source>
        <translation>Proporción correcta por día, %1</translation>
    </message>
    <message>
        <source>Replies per week, %1</source>
        <translation>Respuestas dadas por semana, %1</translation>
    </message>
    <message>
        <source>Share correct per week, %1</source>
        <translation>Proporción correcta por semana, %1</translation>
    </message>
    <message numerus="yes">
        <source>Replies per %n days, %1</source>
        <translation>
            <numerusform>Respuestas dadas por cada %n día, %1</numerusform>
            <numerusform>Respuestas dadas por cada %n días, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Share correct per %n days, %1</source>
        <translation>
            <numerusform>Proporción correcta por cada %n día, %1</numerusform>
            <numerusform>Proporción correcta por cada %n días, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Current run: %n days learnt in a row</source>
        <translation>
            <numerusform>Racha actual: %n día seguido aprendiendo</numerusform>
            <numerusform>Racha actual: %n días seguidos aprendiendo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Longest run this year: %n days</source>
        <translation>
            <numerusform>Racha más larga este año: %n día</numerusform>
            <numerusform>Racha más larga este año: %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (answer to question)</source>
        <translation>%1 (de respuesta a pregunta)</translation>
    </message>
    <message>
        <source>Save chart as PNG</source>
        <translation>Guardar el gráfico como PNG</translation>
    </message>
    <message>
        <source>The chart could not be saved as "%1".</source>
        <translation>No se pudo guardar el gráfico como «%1».</translation>
    </message>
    <message>
        <source>Save numbers as CSV</source>
        <translation>Guardar las cifras como CSV</translation>
    </message>
    <message>
        <source>The numbers could not be saved as "%1": %2</source>
        <translation>No se pudieron guardar las cifras como «%1»: %2</translation>
    </message>
</context>
<context>
    <name>Stats</name>
    <message>
        <source>no date</source>
        <translation>sin fecha</translation>
    </message>
    <message>
        <source>among them %1</source>
        <translation>entre ellas %1</translation>
    </message>
    <message numerus="yes">
        <source>%n log rows are dated outside %1 to %2 and not shown (%3).</source>
        <translation>
            <numerusform>%n línea del registro tiene una fecha fuera de %1 a %2 y no se muestra (%3).</numerusform>
            <numerusform>%n líneas del registro tienen una fecha fuera de %1 a %2 y no se muestran (%3).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n log rows have no readable date and are not shown (%1).</source>
        <translation>
            <numerusform>%n línea del registro no tiene una fecha legible y no se muestra (%1).</numerusform>
            <numerusform>%n líneas del registro no tienen una fecha legible y no se muestran (%1).</numerusform>
        </translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Replies</source>
        <translation>Respuestas dadas</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Incorrecto</translation>
    </message>
    <message>
        <source>Share correct</source>
        <translation>Proporción correcta</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Tarjetas</translation>
    </message>
    <message>
        <source>Answered</source>
        <translation>Respondidas</translation>
    </message>
    <message>
        <source>Mean rating</source>
        <translation>Puntuación media</translation>
    </message>
</context>
<context>
    <name>Sync</name>
    <message>
        <source>The database "%1" is gone: nothing was synced</source>
        <translation>La base de datos "%1" ya no está: no se sincronizó nada</translation>
    </message>
    <message>
        <source>The database cannot be opened to sync: %1</source>
        <translation>La base de datos no se puede abrir para sincronizar: %1</translation>
    </message>
    <message>
        <source>a change is too long for a snapshot</source>
        <translation>un cambio es demasiado largo para una instantánea</translation>
    </message>
    <message>
        <source>The changes every machine has read stay in the sync folder, as they could not be folded: %1</source>
        <translation>Los cambios que todas las máquinas han leído se quedan en la carpeta de sincronización, porque no se pudieron agrupar: %1</translation>
    </message>
    <message>
        <source>This is the folder of the database itself. A sync tool would copy the open database file, which can damage it on the other machine: choose an empty folder of its own.</source>
        <translation>Esta es la carpeta de la propia base de datos. Una herramienta de sincronización copiaría el archivo de la base de datos abierto, lo que puede dañarlo en la otra máquina: elige una carpeta vacía propia.</translation>
    </message>
    <message>
        <source>This folder lies inside the backups, where old backups are deleted: choose a folder of its own.</source>
        <translation>Esta carpeta está dentro de las copias de seguridad, donde se borran las copias antiguas: elige una carpeta propia.</translation>
    </message>
    <message>
        <source>Another set is named "%1" now</source>
        <translation>Otra serie se llama ahora "%1"</translation>
    </message>
    <message>
        <source>This edit is no longer kept</source>
        <translation>Este cambio ya no se guarda</translation>
    </message>
    <message>
        <source>The card is no longer here</source>
        <translation>La tarjeta ya no está</translation>
    </message>
    <message>
        <source>The set is no longer here</source>
        <translation>La serie ya no está</translation>
    </message>
    <message>
        <source>This edit cannot be brought back</source>
        <translation>Este cambio no se puede recuperar</translation>
    </message>
    <message>
        <source>A change file from %1 has been unreadable for %2 days ("%3"): what that machine changed after it waits. Let Memorant on %1 sync again; if the file stays unreadable, check the sync tool there.</source>
        <translation>Un archivo de cambios de %1 lleva %2 días ilegible ("%3"): lo que esa máquina cambió después espera. Deja que Memorant en %1 vuelva a sincronizar; si el archivo sigue ilegible, revisa allí la herramienta de sincronización.</translation>
    </message>
    <message>
        <source>A picture or sound in the sync folder was not taken: %1</source>
        <translation>No se tomó una imagen o un sonido de la carpeta de sincronización: %1</translation>
    </message>
    <message>
        <source>Another machine writes changes of a newer Memorant: update Memorant on this machine to receive them (they wait in the folder, nothing is lost)</source>
        <translation>Otra máquina escribe cambios de un Memorant más reciente: actualiza Memorant en esta máquina para recibirlos (esperan en la carpeta, no se pierde nada)</translation>
    </message>
    <message>
        <source>1 picture or sound waits for the sync folder to bring it; it is named on its card once it has</source>
        <translation>1 imagen o sonido espera a que la carpeta de sincronización lo traiga; se nombrará en su tarjeta en cuanto llegue</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures or sounds wait for the sync folder to bring them; they are named on their cards once it has</source>
        <translation>
            <numerusform>%n imagen o sonido espera a que la carpeta de sincronización lo traiga; se nombrará en su tarjeta en cuanto llegue</numerusform>
            <numerusform>%n imágenes o sonidos esperan a que la carpeta de sincronización los traiga; se nombrarán en sus tarjetas en cuanto lleguen</numerusform>
        </translation>
    </message>
    <message>
        <source>No sync folder is set: name one with --folder DIR</source>
        <translation>No hay ninguna carpeta de sincronización: indica una con --folder DIR</translation>
    </message>
    <message>
        <source>The sync folder "%1" does not exist</source>
        <translation>La carpeta de sincronización "%1" no existe</translation>
    </message>
    <message>
        <source>The folder "%1" cannot be made</source>
        <translation>No se puede crear la carpeta "%1"</translation>
    </message>
    <message>
        <source>This database was copied from another one, or brought back from a backup: it now syncs as a machine of its own</source>
        <translation>Esta base de datos se copió de otra o se recuperó de una copia de seguridad: ahora se sincroniza como una máquina propia</translation>
    </message>
    <message>
        <source>This machine's changes wait to be written: %1</source>
        <translation>Los cambios de esta máquina esperan a escribirse: %1</translation>
    </message>
    <message>
        <source>No machine named "%1" syncs with this one</source>
        <translation>Ninguna máquina llamada "%1" se sincroniza con esta</translation>
    </message>
    <message>
        <source>"%1" was seen %2 days ago: only a machine unseen for %3 days can be forgotten</source>
        <translation>"%1" se vio hace %2 días: solo se puede olvidar una máquina que no se ha visto en %3 días</translation>
    </message>
    <message>
        <source>the folder "%1" cannot be made</source>
        <translation>no se puede crear la carpeta "%1"</translation>
    </message>
    <message>
        <source>"%1" cannot be written (%2)</source>
        <translation>"%1" no se puede escribir (%2)</translation>
    </message>
    <message>
        <source>"%1" could not be written whole (is the disk full?)</source>
        <translation>"%1" no se pudo escribir entero (¿está lleno el disco?)</translation>
    </message>
    <message>
        <source>"%1" cannot be replaced</source>
        <translation>"%1" no se puede sustituir</translation>
    </message>
    <message>
        <source>"%1" cannot be put in place</source>
        <translation>"%1" no se puede poner en su sitio</translation>
    </message>
    <message>
        <source>Sync folder not reachable</source>
        <translation>Carpeta de sincronización inaccesible</translation>
    </message>
    <message>
        <source>Waiting for another machine</source>
        <translation>Esperando otra máquina</translation>
    </message>
    <message>
        <source>Waiting for %1</source>
        <translation>Esperando a %1</translation>
    </message>
    <message>
        <source>Synced with %1 %2 min ago</source>
        <translation>Sincronizado con %1 hace %2 min</translation>
    </message>
</context>
<context>
    <name>SyncFolderWindow</name>
    <message>
        <source>Sync folder</source>
        <translation>Carpeta de sincronización</translation>
    </message>
    <message>
        <source>%1 (this machine)</source>
        <translation>%1 (este equipo)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Choose a folder that a sync tool keeps alike on all your machines: a Syncthing folder, a cloud folder (Nextcloud, Dropbox, OneDrive) or a network share. Memorant writes its changes into a folder "memorant-sync" inside it, never the database itself. Every machine chooses the same folder.</source>
        <translation>Elige una carpeta que una herramienta de sincronización mantenga igual en todos tus equipos: una carpeta de Syncthing, una carpeta en la nube (Nextcloud, Dropbox, OneDrive) o un recurso compartido de red. Memorant escribe sus cambios en una carpeta «memorant-sync» dentro de ella, nunca en la base de datos misma. Todos los equipos eligen la misma carpeta.</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Elegir...</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Carpeta:</translation>
    </message>
    <message>
        <source>This machine's name:</source>
        <translation>Nombre de este equipo:</translation>
    </message>
    <message>
        <source>Machines syncing through this folder</source>
        <translation>Equipos que se sincronizan mediante esta carpeta</translation>
    </message>
    <message>
        <source>Machine</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>Último cambio</translation>
    </message>
    <message>
        <source>Has read this machine's changes</source>
        <translation>Ha leído los cambios de este equipo</translation>
    </message>
    <message>
        <source>Machines syncing through this folder:</source>
        <translation>Equipos que se sincronizan mediante esta carpeta:</translation>
    </message>
    <message>
        <source>Stop syncing</source>
        <translation>Dejar de sincronizar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>"%1" is not a whole path: give the folder from its drive or root, or use Choose...</source>
        <translation>«%1» no es una ruta completa: indica la carpeta desde su unidad o la raíz, o usa Elegir...</translation>
    </message>
    <message>
        <source>"%1" is a file, not a folder: choose a folder.</source>
        <translation>«%1» es un archivo, no una carpeta: elige una carpeta.</translation>
    </message>
    <message>
        <source>The folder "%1" does not exist. Create it, or let the sync tool create it, and choose it again.</source>
        <translation>La carpeta «%1» no existe. Créala, o deja que la herramienta de sincronización la cree, y vuelve a elegirla.</translation>
    </message>
    <message>
        <source>%1

Use this folder anyway?</source>
        <translation>%1

¿Usar esta carpeta de todos modos?</translation>
    </message>
    <message>
        <source>The sync folder could not be stored: %1</source>
        <translation>No se pudo guardar la carpeta de sincronización: %1</translation>
    </message>
    <message>
        <source>Stop syncing with this folder? Nothing is deleted there or here; changes made meanwhile are sent when you choose the folder again.</source>
        <translation>¿Dejar de sincronizar con esta carpeta? No se borra nada ni allí ni aquí; los cambios hechos mientras tanto se envían cuando vuelvas a elegir la carpeta.</translation>
    </message>
    <message>
        <source>Syncing could not be stopped: %1</source>
        <translation>No se pudo dejar de sincronizar: %1</translation>
    </message>
</context>
<context>
    <name>SyncMenu</name>
    <message>
        <source>Sync</source>
        <translation>Sincronización</translation>
    </message>
    <message>
        <source>Sync folder...</source>
        <translation>Carpeta de sincronización...</translation>
    </message>
    <message>
        <source>Edits that lost...</source>
        <translation>Cambios perdidos...</translation>
    </message>
    <message>
        <source>Click to open the Sync folder window</source>
        <translation>Haz clic para abrir la ventana «Carpeta de sincronización»</translation>
    </message>
    <message>
        <source>The sync settings could not be read: %1</source>
        <translation>No se pudieron leer los ajustes de sincronización: %1</translation>
    </message>
    <message>
        <source>The sync folder could not be stored: %1</source>
        <translation>No se pudo guardar la carpeta de sincronización: %1</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Sincronizando...</translation>
    </message>
    <message>
        <source>; 1 edit lost to another machine's (File &gt; Sync &gt; Edits that lost...)</source>
        <translation>; 1 cambio perdido frente al de otro equipo (Archivo &gt; Sincronización &gt; Cambios perdidos...)</translation>
    </message>
    <message numerus="yes">
        <source>; %n edits lost to another machine's (File &gt; Sync &gt; Edits that lost...)</source>
        <translation>
            <numerusform>; %n cambio perdido frente al de otro equipo (Archivo &gt; Sincronización &gt; Cambios perdidos...)</numerusform>
            <numerusform>; %n cambios perdidos frente a los de otro equipo (Archivo &gt; Sincronización &gt; Cambios perdidos...)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncTakeIn</name>
    <message>
        <source>Changes from another machine could not be shown: %1</source>
        <translation>No se pudieron mostrar los cambios de otro equipo: %1</translation>
    </message>
    <message>
        <source>The set of this lesson was deleted on another machine. Choose another set to learn.</source>
        <translation>La serie de esta lección se borró en otro equipo. Elige otra serie para aprender.</translation>
    </message>
    <message>
        <source>A reply cannot be taken back after another machine's changes came in</source>
        <translation>No se puede deshacer una respuesta dada después de que lleguen los cambios de otro equipo</translation>
    </message>
    <message>
        <source>The card of this question was deleted on another machine.</source>
        <translation>La tarjeta de esta pregunta se borró en otro equipo.</translation>
    </message>
    <message>
        <source>No reply of this lesson to take back</source>
        <translation>No hay ninguna respuesta dada de esta lección que deshacer</translation>
    </message>
</context>
<context>
    <name>VoiceDialog</name>
    <message>
        <source>The voice cannot be tried: %1</source>
        <translation>No se puede probar la voz: %1</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>The set "%1" is no longer there: no voice was stored.</source>
        <translation>La serie «%1» ya no existe: no se guardó ninguna voz.</translation>
    </message>
    <message>
        <source>The voice "%1" could not be stored: %2</source>
        <translation>No se pudo guardar la voz «%1»: %2</translation>
    </message>
    <message>
        <source>No speech voices were found on this machine: the espeak-ng voice data may be missing.</source>
        <translation>No se encontró ninguna voz en este equipo: puede que falten los datos de voz de espeak-ng.</translation>
    </message>
    <message>
        <source>The voices cannot be shown: %1</source>
        <translation>No se pueden mostrar las voces: %1</translation>
    </message>
    <message>
        <source>Use this voice for all sets</source>
        <translation>Usar esta voz para todas las series</translation>
    </message>
    <message>
        <source>Try</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>Voices</source>
        <translation>Voces</translation>
    </message>
    <message>
        <source>The voice the questions are spoken in:</source>
        <translation>La voz con la que se leen las preguntas:</translation>
    </message>
    <message>
        <source>The voice the questions of the set "%1" are spoken in:</source>
        <translation>La voz con la que se leen las preguntas de la serie «%1»:</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>a text is longer than 1,000,000 characters</source>
        <translation>un texto tiene más de 1.000.000 caracteres</translation>
    </message>
    <message>
        <source>the reader could not be started</source>
        <translation>no se pudo iniciar el lector</translation>
    </message>
    <message>
        <source>this is not a text list (it holds a NUL character; a UTF-16 file needs its byte order mark or its encoding chosen)</source>
        <translation>no es una lista de texto (contiene un carácter NUL; un archivo UTF-16 necesita su marca de orden de bytes o que se elija su codificación)</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>un campo entre comillas no está cerrado</translation>
    </message>
    <message numerus="yes">
        <source>%n texts held line breaks or control characters, which a word list cannot carry: each line break was written as a blank, the other characters left out.</source>
        <translation>
            <numerusform>%n texto contenía saltos de línea o caracteres de control, que una lista de palabras no puede llevar: cada salto de línea se escribió como un espacio y los demás caracteres se omitieron.</numerusform>
            <numerusform>%n textos contenían saltos de línea o caracteres de control, que una lista de palabras no puede llevar: cada salto de línea se escribió como un espacio y los demás caracteres se omitieron.</numerusform>
        </translation>
    </message>
    <message>
        <source>A word list carries no pictures or sounds: 1 card was written without them (File &gt; Export or Export set as KVTML keeps them).</source>
        <translation>Una lista de palabras no lleva imágenes ni sonidos: 1 tarjeta se escribió sin ellos (Archivo &gt; Exportar o Exportar la serie como KVTML los conserva).</translation>
    </message>
    <message numerus="yes">
        <source>A word list carries no pictures or sounds: %n cards were written without them (File &gt; Export or Export set as KVTML keeps them).</source>
        <translation>
            <numerusform>Una lista de palabras no lleva imágenes ni sonidos: %n tarjeta se escribió sin ellos (Archivo &gt; Exportar o Exportar la serie como KVTML los conserva).</numerusform>
            <numerusform>Una lista de palabras no lleva imágenes ni sonidos: %n tarjetas se escribieron sin ellos (Archivo &gt; Exportar o Exportar la serie como KVTML los conserva).</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no set named "%1".</source>
        <translation>No hay ninguna serie llamada "%1".</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 no se puede escribir: %2</translation>
    </message>
    <message>
        <source>The answers could not be read.</source>
        <translation>No se pudieron leer las respuestas.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, línea %2: %3</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>el archivo no se puede leer (%1)</translation>
    </message>
    <message>
        <source>%1; choose the file's encoding.</source>
        <translation>%1; elige la codificación del archivo.</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Línea %1: %2.</translation>
    </message>
    <message>
        <source>this line holds a byte that is not UTF-8, though the rest of the file is UTF-8; choose the file's encoding; nothing was added</source>
        <translation>esta línea contiene un byte que no es UTF-8, aunque el resto del archivo es UTF-8; elige la codificación del archivo; no se añadió nada</translation>
    </message>
    <message>
        <source>the question and the answer need two different columns</source>
        <translation>la pregunta y la respuesta necesitan dos columnas distintas</translation>
    </message>
    <message>
        <source>the card could not be stored (%1)</source>
        <translation>no se pudo guardar la tarjeta (%1)</translation>
    </message>
    <message>
        <source>the import was cancelled</source>
        <translation>la importación se canceló</translation>
    </message>
    <message>
        <source>%1; nothing was added</source>
        <translation>%1; no se añadió nada</translation>
    </message>
    <message>
        <source>no row has both a question and an answer (%1 skipped); nothing was added</source>
        <translation>ninguna fila tiene una pregunta y una respuesta (%1 omitidas); no se añadió nada</translation>
    </message>
    <message>
        <source>too few fields</source>
        <translation>demasiado pocos campos</translation>
    </message>
    <message>
        <source>no question</source>
        <translation>sin pregunta</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sin respuesta</translation>
    </message>
    <message>
        <source>the answer is the multiple-answer mark</source>
        <translation>la respuesta es la marca de respuesta múltiple</translation>
    </message>
    <message>
        <source>line %1 (%2)</source>
        <translation>línea %1 (%2)</translation>
    </message>
</context>
<context>
    <name>WordListDialog</name>
    <message>
        <source>Tab</source>
        <translation>Tabulador</translation>
    </message>
    <message>
        <source>Semicolon ;</source>
        <translation>Punto y coma ;</translation>
    </message>
    <message>
        <source>Comma ,</source>
        <translation>Coma ,</translation>
    </message>
    <message>
        <source>Bar |</source>
        <translation>Barra vertical |</translation>
    </message>
    <message>
        <source>Colon :</source>
        <translation>Dos puntos :</translation>
    </message>
    <message>
        <source>Import word list</source>
        <translation>Importar lista de palabras</translation>
    </message>
    <message>
        <source>As detected: none (a stray byte)</source>
        <translation>Según lo detectado: ninguna (un byte suelto)</translation>
    </message>
    <message>
        <source>As detected: %1</source>
        <translation>Según lo detectado: %1</translation>
    </message>
    <message>
        <source>The first line names the columns</source>
        <translation>La primera línea nombra las columnas</translation>
    </message>
    <message>
        <source>Several answer fields make a multiple-answer card (the answer column and those after it)</source>
        <translation>Varios campos de respuesta forman una tarjeta de respuesta múltiple (la columna de respuesta y las siguientes)</translation>
    </message>
    <message>
        <source>Encoding:</source>
        <translation>Codificación:</translation>
    </message>
    <message>
        <source>Separator:</source>
        <translation>Separador:</translation>
    </message>
    <message>
        <source>Question column:</source>
        <translation>Columna de preguntas:</translation>
    </message>
    <message>
        <source>Answer column:</source>
        <translation>Columna de respuestas:</translation>
    </message>
    <message>
        <source>New set:</source>
        <translation>Serie nueva:</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>Column %1: %2</source>
        <translation>Columna %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1, read as %2. The whole file makes %n cards (%3 skipped).</source>
        <translation>
            <numerusform>%1, leído como %2. El archivo entero da %n tarjeta (%3).</numerusform>
            <numerusform>%1, leído como %2. El archivo entero da %n tarjetas (%3).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows</source>
        <translation>
            <numerusform>%n fila omitida</numerusform>
            <numerusform>%n filas omitidas</numerusform>
        </translation>
    </message>
    <message>
        <source> %1 is taken as the column names; untick "The first line names the columns" to keep it as a card.</source>
        <translation> %1 se toma como nombres de columna; desmarca «La primera línea nombra las columnas» para conservarla como tarjeta.</translation>
    </message>
    <message>
        <source> Choose two different columns for the question and the answer.</source>
        <translation> Elige dos columnas distintas para la pregunta y la respuesta.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>several answers</source>
        <translation>varias respuestas</translation>
    </message>
    <message>
        <source>skipped: %1</source>
        <translation>omitida: %1</translation>
    </message>
    <message>
        <source>That name is taken; the set will be called "%1".</source>
        <translation>Ese nombre ya existe; la serie se llamará «%1».</translation>
    </message>
</context>
<context>
    <name>WordListMenu</name>
    <message>
        <source>Word lists (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Listas de palabras (*.csv *.tsv *.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Import word list</source>
        <translation>Importar lista de palabras</translation>
    </message>
    <message>
        <source>Export set as word list</source>
        <translation>Exportar la serie como lista de palabras</translation>
    </message>
    <message>
        <source>Tab-separated lists (*.tsv *.txt)</source>
        <translation>Listas separadas por tabuladores (*.tsv *.txt)</translation>
    </message>
    <message numerus="yes">
        <source>%n cards were imported from %1 into the new set "%2".</source>
        <translation>
            <numerusform>Se importó %n tarjeta de %1 a la nueva serie «%2».</numerusform>
            <numerusform>Se importaron %n tarjetas de %1 a la nueva serie «%2».</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n rows without a question or an answer were skipped.</source>
        <translation>
            <numerusform> Se omitió %n fila sin pregunta o sin respuesta.</numerusform>
            <numerusform> Se omitieron %n filas sin pregunta o sin respuesta.</numerusform>
        </translation>
    </message>
    <message>
        <source>Importing %1...</source>
        <translation>Importando %1...</translation>
    </message>
    <message>
        <source>%1: nothing was added (%2)</source>
        <translation>%1: no se añadió nada (%2)</translation>
    </message>
    <message>
        <source>1 card of the set "%1" was written to %2.</source>
        <translation>Se escribió 1 tarjeta de la serie «%1» en %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n cards of the set "%1" were written to %2.</source>
        <translation>
            <numerusform>Se escribió %n tarjeta de la serie «%1» en %2.</numerusform>
            <numerusform>Se escribieron %n tarjetas de la serie «%1» en %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>The set could not be exported: %1</source>
        <translation>No se pudo exportar la serie: %1</translation>
    </message>
    <message>
        <source>Choose the set to export in the set list first.</source>
        <translation>Elige primero en la lista de series la serie que quieres exportar.</translation>
    </message>
</context>
<context>
    <name>window::HelpWindow</name>
    <message>
        <source>Memorant Help</source>
        <translation>Ayuda de Memorant</translation>
    </message>
</context>
<context>
    <name>window::LanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The language of Memorant's windows on this computer:</source>
        <translation>El idioma de las ventanas de Memorant en este ordenador:</translation>
    </message>
    <message>
        <source>Memorant speaks your system's language, %1.</source>
        <translation>Memorant habla el idioma de tu sistema, %1.</translation>
    </message>
</context>
</TS>