<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutWindow</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Database: %1</source>
        <translation>Datenbank: %1</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>the database cannot be read (%1)</source>
        <translation>die Datenbank kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>"%1" was removed while it was written</source>
        <translation>"%1" wurde beim Schreiben entfernt</translation>
    </message>
    <message>
        <source>writing "%1" failed (%2)</source>
        <translation>das Schreiben von "%1" ist fehlgeschlagen (%2)</translation>
    </message>
    <message>
        <source>"%1" could not be renamed to "%2"</source>
        <translation>"%1" konnte nicht in "%2" umbenannt werden</translation>
    </message>
    <message>
        <source>"%1" already exists</source>
        <translation>"%1" gibt es schon</translation>
    </message>
    <message>
        <source>"%1" is being written by another backup</source>
        <translation>"%1" wird gerade von einer anderen Sicherung geschrieben</translation>
    </message>
    <message>
        <source>"%1" cannot be made</source>
        <translation>"%1" kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>No backup of "%1" could be written to "%2": %3</source>
        <translation>Es konnte keine Sicherung von "%1" in "%2" geschrieben werden: %3</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>"%1.partial" cannot be made</source>
        <translation>"%1.partial" kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>it could not be copied to "%1"</source>
        <translation>sie konnte nicht nach "%1" kopiert werden</translation>
    </message>
    <message>
        <source>its log could not be copied to "%1"</source>
        <translation>ihr Journal konnte nicht nach "%1" kopiert werden</translation>
    </message>
    <message>
        <source>its log could not be folded in</source>
        <translation>ihr Journal konnte nicht eingearbeitet werden</translation>
    </message>
    <message>
        <source>the copy "%1" fails the check (%2)</source>
        <translation>die Kopie "%1" besteht die Prüfung nicht (%2)</translation>
    </message>
    <message>
        <source>The backup "%1" cannot be restored: it fails the check (%2)</source>
        <translation>Die Sicherung "%1" kann nicht wiederhergestellt werden: Sie besteht die Prüfung nicht (%2)</translation>
    </message>
    <message>
        <source>not a Memorant database</source>
        <translation>keine Memorant-Datenbank</translation>
    </message>
    <message>
        <source>The backup "%1" could not be restored: %2. The database "%3" is as it was.</source>
        <translation>Die Sicherung "%1" konnte nicht wiederhergestellt werden: %2. Die Datenbank "%3" ist unverändert.</translation>
    </message>
    <message>
        <source>the log of the database could not be folded into it</source>
        <translation>das Journal der Datenbank konnte nicht in sie eingearbeitet werden</translation>
    </message>
    <message>
        <source>the log of the database could not be folded into it (%1)</source>
        <translation>das Journal der Datenbank konnte nicht in sie eingearbeitet werden (%1)</translation>
    </message>
    <message>
        <source>the database could not be kept as "%1"</source>
        <translation>die Datenbank konnte nicht als "%1" aufbewahrt werden</translation>
    </message>
    <message>
        <source>"%1" could not be moved</source>
        <translation>"%1" konnte nicht verschoben werden</translation>
    </message>
    <message>
        <source>the copy could not be locked</source>
        <translation>die Kopie konnte nicht gesperrt werden</translation>
    </message>
    <message>
        <source>it could not be put in place</source>
        <translation>sie konnte nicht an ihren Platz gebracht werden</translation>
    </message>
    <message>
        <source>The backup was restored, but reopening it failed: %1</source>
        <translation>Die Sicherung wurde wiederhergestellt, aber das erneute Öffnen ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>"%1" exists</source>
        <translation>"%1" gibt es schon</translation>
    </message>
    <message>
        <source>"%1" could not be put in place of "%2": %3</source>
        <translation>"%1" konnte nicht an die Stelle von "%2" gesetzt werden: %3</translation>
    </message>
</context>
<context>
    <name>CardMediaView</name>
    <message>
        <source>Play the card's sound again (F5)</source>
        <translation>Ton der Karte noch einmal abspielen (F5)</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Ton abspielen</translation>
    </message>
    <message>
        <source>This sound cannot be played</source>
        <translation>Dieser Ton kann nicht abgespielt werden</translation>
    </message>
    <message>
        <source>The sound cannot be played: %1</source>
        <translation>Der Ton kann nicht abgespielt werden: %1</translation>
    </message>
    <message>
        <source>This picture cannot be shown</source>
        <translation>Dieses Bild kann nicht angezeigt werden</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>--lang needs the code of a language: %1</source>
        <translation>--lang braucht den Code einer Sprache: %1</translation>
    </message>
    <message>
        <source>Unknown language "%1": --lang takes one of %2</source>
        <translation>Unbekannte Sprache "%1": --lang erwartet eine von %2</translation>
    </message>
    <message>
        <source>--db and --user-data cannot be used together</source>
        <translation>--db und --user-data können nicht zusammen verwendet werden</translation>
    </message>
    <message>
        <source>--db needs the path of the database file</source>
        <translation>--db braucht den Pfad der Datenbankdatei</translation>
    </message>
    <message>
        <source>Unknown command "%1"</source>
        <translation>Unbekannter Befehl "%1"</translation>
    </message>
    <message>
        <source>Unknown argument "%1"</source>
        <translation>Unbekanntes Argument "%1"</translation>
    </message>
    <message>
        <source>Cannot open the database "%1": there is no such file</source>
        <translation>Die Datenbank "%1" kann nicht geöffnet werden: Diese Datei gibt es nicht</translation>
    </message>
    <message>
        <source>write a consistent copy now, to FILE or into backups/ beside the database</source>
        <translation>jetzt eine stimmige Kopie schreiben, nach FILE oder in backups/ neben der Datenbank</translation>
    </message>
    <message>
        <source>check the database for damage (exit status 1 when damaged)</source>
        <translation>die Datenbank auf Schäden prüfen (Rückgabewert 1 bei Schaden)</translation>
    </message>
    <message>
        <source>backup takes at most one FILE</source>
        <translation>backup erwartet höchstens ein FILE</translation>
    </message>
    <message>
        <source>No backup of "%1" was written: %2</source>
        <translation>Es wurde keine Sicherung von "%1" geschrieben: %2</translation>
    </message>
    <message>
        <source>Backup written to "%1"</source>
        <translation>Sicherung nach "%1" geschrieben</translation>
    </message>
    <message>
        <source>check takes no arguments</source>
        <translation>check erwartet keine Argumente</translation>
    </message>
    <message>
        <source>"%1" is not a Memorant database</source>
        <translation>"%1" ist keine Memorant-Datenbank</translation>
    </message>
    <message>
        <source>The database "%1" is damaged</source>
        <translation>Die Datenbank "%1" ist beschädigt</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>%1 takes one file; "%2" is one too many</source>
        <translation>%1 erwartet eine Datei; "%2" ist eine zu viel</translation>
    </message>
    <message>
        <source>Usage: memorant [--db PATH] %1</source>
        <translation>Aufruf: memorant [--db PATH] %1</translation>
    </message>
    <message>
        <source>%1 needs the set's name and the file</source>
        <translation>%1 braucht den Namen des Kartensatzes und die Datei</translation>
    </message>
    <message>
        <source>Importing... %1%</source>
        <translation>Importieren... %1 %</translation>
    </message>
    <message>
        <source>%1: nothing was added (%2)</source>
        <translation>%1: Nichts wurde hinzugefügt (%2)</translation>
    </message>
    <message>
        <source>Usage: memorant [--db PATH | --user-data]</source>
        <translation>Aufruf: memorant [--db PATH | --user-data]</translation>
    </message>
    <message>
        <source>the database file (default: VIze.mdb in the current folder);
a missing file is created with a sample set when the window opens;
commands never create one</source>
        <translation>die Datenbankdatei (Vorgabe: VIze.mdb im aktuellen Ordner);
eine fehlende Datei wird beim Öffnen des Fensters mit einem
Beispiel-Kartensatz angelegt; Befehle legen nie eine an</translation>
    </message>
    <message>
        <source>the database VIze.mdb in your data folder (see Files below),
made on first start; the menu entry uses it</source>
        <translation>die Datenbank VIze.mdb in deinem Datenordner (siehe Dateien
unten), beim ersten Start angelegt; der Menüeintrag nutzt sie</translation>
    </message>
    <message>
        <source>the language of the texts for this run only: en, de, fr or es</source>
        <translation>die Sprache der Texte, nur für diesen Aufruf: en, de, fr oder es</translation>
    </message>
    <message>
        <source>print the version</source>
        <translation>die Version ausgeben</translation>
    </message>
    <message>
        <source>print this text</source>
        <translation>diesen Text ausgeben</translation>
    </message>
    <message>
        <source>Commands (they need no display):</source>
        <translation>Befehle (sie brauchen keinen Bildschirm):</translation>
    </message>
    <message>
        <source>--set needs the name of the new set</source>
        <translation>--set braucht den Namen des neuen Kartensatzes</translation>
    </message>
    <message>
        <source>add the cards of a KVTML file or an .apkg/.colpkg deck package</source>
        <translation>die Karten einer KVTML-Datei oder eines .apkg/.colpkg-Pakets hinzufügen</translation>
    </message>
    <message>
        <source>write a set as a KVTML 2.0 file</source>
        <translation>einen Kartensatz als KVTML-2.0-Datei schreiben</translation>
    </message>
    <message>
        <source>import-deck needs the file to import</source>
        <translation>import-deck braucht die zu importierende Datei</translation>
    </message>
    <message numerus="yes">
        <source>--set names one set, but %1 makes %n sets; nothing was added</source>
        <translation>
            <numerusform>--set nennt einen Kartensatz, aber %1 ergibt %n Kartensatz; nichts wurde hinzugefügt</numerusform>
            <numerusform>--set nennt einen Kartensatz, aber %1 ergibt %n Kartensätze; nichts wurde hinzugefügt</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: every question is the multiple-answer mark "Multi", which cannot be an answer; nothing was added</source>
        <translation>%1: Jede Frage ist die Mehrfachantwort-Marke "Multi", die keine Antwort sein kann; nichts wurde hinzugefügt</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n cards of the set "%1" to %2 (KVTML 2.0).</source>
        <translation>
            <numerusform>%n Karte des Kartensatzes "%1" nach %2 exportiert (KVTML 2.0).</numerusform>
            <numerusform>%n Karten des Kartensatzes "%1" nach %2 exportiert (KVTML 2.0).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exported %n cards of the set "%1" to %2 (KVTML 2.0), their pictures and sounds to %3.</source>
        <translation>
            <numerusform>%n Karte des Kartensatzes "%1" nach %2 exportiert (KVTML 2.0), ihre Bilder und Töne nach %3.</numerusform>
            <numerusform>%n Karten des Kartensatzes "%1" nach %2 exportiert (KVTML 2.0), ihre Bilder und Töne nach %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>The set could not be read: %1</source>
        <translation>Der Kartensatz konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>%1 (answer to question)</source>
        <translation>%1 (Antwort zu Frage)</translation>
    </message>
    <message>
        <source>recall %1%</source>
        <translation>Erinnerung %1 %</translation>
    </message>
    <message>
        <source>Nothing is due today.</source>
        <translation>Heute ist nichts fällig.</translation>
    </message>
    <message numerus="yes">
        <source>%n cards due today.</source>
        <translation>
            <numerusform>%n Karte heute fällig.</numerusform>
            <numerusform>%n Karten heute fällig.</numerusform>
        </translation>
    </message>
    <message>
        <source>due does not understand "%1"</source>
        <translation>due versteht "%1" nicht</translation>
    </message>
    <message>
        <source>print the cards due for review today, or as CSV what the model of memory knows of every answered card</source>
        <translation>die heute zur Wiederholung fälligen Karten ausgeben, oder als CSV, was das Gedächtnismodell über jede beantwortete Karte weiß</translation>
    </message>
    <message>
        <source>There is no set "%1"</source>
        <translation>Es gibt keinen Kartensatz "%1"</translation>
    </message>
    <message>
        <source>The log could not be read: %1</source>
        <translation>Das Protokoll konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>write the whole database to the exchange file FILE</source>
        <translation>die ganze Datenbank in die Austauschdatei FILE schreiben</translation>
    </message>
    <message>
        <source>import needs exactly one FILE</source>
        <translation>import braucht genau ein FILE</translation>
    </message>
    <message>
        <source>merge the exchange file FILE into the database (with its log rows)</source>
        <translation>die Austauschdatei FILE in die Datenbank übernehmen (mit ihren Protokollzeilen)</translation>
    </message>
    <message>
        <source>export needs exactly one FILE</source>
        <translation>export braucht genau ein FILE</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n records to %1, the answer lists of multiple-answer cards and what is asked answer to question to %2.</source>
        <translation>
            <numerusform>%n Datensatz nach %1 exportiert, die Antwortlisten der Karten mit Mehrfachantwort und welche Karten von der Antwort zur Frage abgefragt werden nach %2.</numerusform>
            <numerusform>%n Datensätze nach %1 exportiert, die Antwortlisten der Karten mit Mehrfachantwort und welche Karten von der Antwort zur Frage abgefragt werden nach %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exported %n records to %1, the answer lists of multiple-answer cards to %2.</source>
        <translation>
            <numerusform>%n Datensatz nach %1 exportiert, die Antwortlisten der Karten mit Mehrfachantwort nach %2.</numerusform>
            <numerusform>%n Datensätze nach %1 exportiert, die Antwortlisten der Karten mit Mehrfachantwort nach %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exported %n records to %1, what is asked answer to question to %2.</source>
        <translation>
            <numerusform>%n Datensatz nach %1 exportiert, welche Karten von der Antwort zur Frage abgefragt werden nach %2.</numerusform>
            <numerusform>%n Datensätze nach %1 exportiert, welche Karten von der Antwort zur Frage abgefragt werden nach %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exported %n records to %1.</source>
        <translation>
            <numerusform>%n Datensatz nach %1 exportiert.</numerusform>
            <numerusform>%n Datensätze nach %1 exportiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures and sounds to %1.</source>
        <translation>
            <numerusform>%n Bild oder Ton nach %1.</numerusform>
            <numerusform>%n Bilder und Töne nach %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sets</source>
        <translation>
            <numerusform>%n Kartensatz</numerusform>
            <numerusform>%n Kartensätze</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cards</source>
        <translation>
            <numerusform>%n Karte</numerusform>
            <numerusform>%n Karten</numerusform>
        </translation>
    </message>
    <message>
        <source>Imported %1: %2, %3, %4 added.</source>
        <translation>%1 importiert: %2, %3, %4 hinzugefügt.</translation>
    </message>
    <message numerus="yes">
        <source>%n log rows</source>
        <translation>
            <numerusform>%n Protokollzeile</numerusform>
            <numerusform>%n Protokollzeilen</numerusform>
        </translation>
    </message>
    <message>
        <source>Imported %1: %2, %3 added.</source>
        <translation>%1 importiert: %2, %3 hinzugefügt.</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Fällig</translation>
    </message>
    <message>
        <source>No card has been answered when due yet.</source>
        <translation>Noch keine Karte wurde beantwortet, als sie fällig war.</translation>
    </message>
    <message>
        <source>Answered right when due: %1% of %2 (aiming at %3%)</source>
        <translation>Richtig beantwortet, wenn fällig: %1 % von %2 (Ziel: %3 %)</translation>
    </message>
    <message>
        <source>stats does not understand "%1"</source>
        <translation>stats versteht "%1" nicht</translation>
    </message>
    <message>
        <source>print the replies per day and per set, or with --forecast the cards coming due in the next 30 days, as text or CSV</source>
        <translation>die Eingaben pro Tag und pro Kartensatz ausgeben, oder mit --forecast die in den nächsten 30 Tagen fälligen Karten, als Text oder CSV</translation>
    </message>
    <message>
        <source>--days needs a whole number of days from 1 to 100000, not "%1"</source>
        <translation>--days braucht eine ganze Zahl von Tagen von 1 bis 100000, nicht "%1"</translation>
    </message>
    <message>
        <source>There is no set "%1", and no log row names it</source>
        <translation>Es gibt keinen Kartensatz "%1", und keine Protokollzeile nennt ihn</translation>
    </message>
    <message>
        <source>, never seen: sync --forget "%1" stops waiting for it</source>
        <translation>, nie gesehen: sync --forget "%1" wartet nicht mehr darauf</translation>
    </message>
    <message numerus="yes">
        <source>, unseen for %n days: sync --forget "%1" stops waiting for it</source>
        <translation>
            <numerusform>, seit %n Tag nicht gesehen: sync --forget "%1" wartet nicht mehr darauf</numerusform>
            <numerusform>, seit %n Tagen nicht gesehen: sync --forget "%1" wartet nicht mehr darauf</numerusform>
        </translation>
    </message>
    <message>
        <source>This database has never been synced</source>
        <translation>Diese Datenbank wurde noch nie abgeglichen</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>%1 (this machine): last change %2, %3 change files written</source>
        <translation>%1 (dieser Rechner): letzte Änderung %2, %3 Änderungsdateien geschrieben</translation>
    </message>
    <message>
        <source>%1: last change %2, read %3 of %4 change files, has read %5 of this machine's %6%7</source>
        <translation>%1: letzte Änderung %2, %3 von %4 Änderungsdateien gelesen, hat %5 von %6 dieses Rechners gelesen%7</translation>
    </message>
    <message>
        <source>sync does not understand "%1"</source>
        <translation>sync versteht "%1" nicht</translation>
    </message>
    <message>
        <source>send this machine's changes to a folder a sync tool keeps alike on every machine, and take the others' from it</source>
        <translation>die Änderungen dieses Rechners in einen Ordner schicken, den ein Abgleichprogramm auf allen Rechnern gleich hält, und die der anderen von dort holen</translation>
    </message>
    <message>
        <source>Sync stopped: the folder is forgotten, nothing was deleted</source>
        <translation>Abgleich beendet: Der Ordner ist vergessen, nichts wurde gelöscht</translation>
    </message>
    <message>
        <source>"%1" is forgotten</source>
        <translation>"%1" ist vergessen</translation>
    </message>
    <message>
        <source>No sync folder is set: name one with --folder DIR</source>
        <translation>Es ist kein Abgleichsordner eingestellt: Nenne einen mit --folder DIR</translation>
    </message>
    <message>
        <source>No backup could be taken before the first sync, so nothing was synced: %1</source>
        <translation>Vor dem ersten Abgleich ließ sich keine Sicherung anlegen, darum wurde nichts abgeglichen: %1</translation>
    </message>
    <message>
        <source>joined %1 set(s) and %2 card(s) of this database with the same ones of another machine</source>
        <translation>%1 Kartensatz/-sätze und %2 Karte(n) dieser Datenbank mit denselben eines anderen Rechners zusammengeführt</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) renamed with a number: another set had the name</source>
        <translation>
            <numerusform>%n Kartensatz mit einer Zahl umbenannt: Ein anderer Kartensatz hatte den Namen</numerusform>
            <numerusform>%n Kartensätze mit einer Zahl umbenannt: Ein anderer Kartensatz hatte den Namen</numerusform>
        </translation>
    </message>
    <message>
        <source>--encoding takes utf-8, utf-16 or windows-1252</source>
        <translation>--encoding erwartet utf-8, utf-16 oder windows-1252</translation>
    </message>
    <message>
        <source>--separator takes one character other than a quote, or "tab"; "%1" is none</source>
        <translation>--separator erwartet ein Zeichen außer einem Anführungszeichen, oder "tab"; "%1" ist keins davon</translation>
    </message>
    <message>
        <source>import-list needs the file to import</source>
        <translation>import-list braucht die zu importierende Datei</translation>
    </message>
    <message>
        <source>--separator needs a character, or "tab"</source>
        <translation>--separator braucht ein Zeichen oder "tab"</translation>
    </message>
    <message>
        <source>add a CSV or tab-separated word list as a new set</source>
        <translation>eine CSV- oder tabulatorgetrennte Wortliste als neuen Kartensatz hinzufügen</translation>
    </message>
    <message>
        <source>write a set as a tab-separated word list</source>
        <translation>einen Kartensatz als tabulatorgetrennte Wortliste schreiben</translation>
    </message>
    <message>
        <source>%1, line %2: this line holds a byte that is not UTF-8, though the rest of the file is UTF-8; nothing was added. Name the file's encoding with --encoding utf-8, utf-16 or windows-1252.</source>
        <translation>%1, Zeile %2: Diese Zeile enthält ein Byte, das kein UTF-8 ist, obwohl der Rest der Datei UTF-8 ist; nichts wurde hinzugefügt. Nenne die Kodierung der Datei mit --encoding utf-8, utf-16 oder windows-1252.</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n cards from %1 into the new set "%2"</source>
        <translation>
            <numerusform>%n Karte aus %1 in den neuen Kartensatz "%2" importiert</numerusform>
            <numerusform>%n Karten aus %1 in den neuen Kartensatz "%2" importiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n rows skipped</source>
        <translation>
            <numerusform>; %n Zeile übersprungen</numerusform>
            <numerusform>; %n Zeilen übersprungen</numerusform>
        </translation>
    </message>
    <message>
        <source>; %1 was taken as a header (--no-header keeps it as a card)</source>
        <translation>; %1 wurde als Kopfzeile genommen (--no-header behält sie als Karte)</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n cards of the set "%1" to %2.</source>
        <translation>
            <numerusform>%n Karte des Kartensatzes "%1" nach %2 exportiert.</numerusform>
            <numerusform>%n Karten des Kartensatzes "%1" nach %2 exportiert.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ComparisonWindow</name>
    <message>
        <source>Wrong!</source>
        <translation>Falsch!</translation>
    </message>
    <message>
        <source>Please compare your answers with the correct ones</source>
        <translation>Vergleiche deine Eingaben mit den richtigen Antworten</translation>
    </message>
    <message>
        <source>Correct Answer</source>
        <translation>Richtige Antwort</translation>
    </message>
    <message>
        <source>Your Reply</source>
        <translation>Deine Eingabe</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>Cannot open the database "%1": %2</source>
        <translation>Die Datenbank "%1" kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>it could not be put in place</source>
        <translation>sie konnte nicht an ihren Platz gebracht werden</translation>
    </message>
    <message>
        <source>it could not be created (%1)</source>
        <translation>sie konnte nicht angelegt werden (%1)</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine normale Datei</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>sie kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>it is not a Memorant database (not an SQLite file)</source>
        <translation>sie ist keine Memorant-Datenbank (keine SQLite-Datei)</translation>
    </message>
    <message>
        <source>it cannot be opened (%1)</source>
        <translation>sie kann nicht geöffnet werden (%1)</translation>
    </message>
    <message>
        <source>it was made by a newer version of Memorant (schema version %1; this program knows %2)</source>
        <translation>sie stammt von einer neueren Version von Memorant (Schemaversion %1; dieses Programm kennt %2)</translation>
    </message>
    <message>
        <source>it is not a Memorant database (missing tables: %1)</source>
        <translation>sie ist keine Memorant-Datenbank (fehlende Tabellen: %1)</translation>
    </message>
    <message>
        <source>none, but no schema version</source>
        <translation>keine, aber keine Schemaversion</translation>
    </message>
    <message>
        <source>it is damaged or not a database (%1)</source>
        <translation>sie ist beschädigt oder keine Datenbank (%1)</translation>
    </message>
    <message>
        <source>The folder "%1" is not writable: the database needs to write files beside it.</source>
        <translation>In den Ordner "%1" kann nicht geschrieben werden: Die Datenbank muss neben sich Dateien anlegen.</translation>
    </message>
    <message>
        <source>its folder "%1" does not exist</source>
        <translation>ihr Ordner "%1" existiert nicht</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>diese Datei gibt es nicht</translation>
    </message>
    <message>
        <source>The database file "%1" is read-only.</source>
        <translation>Die Datenbankdatei "%1" ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>Cannot open the database: %1</source>
        <translation>Die Datenbank kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>The database "%1" is already open in another Memorant program. Close that one first.</source>
        <translation>Die Datenbank "%1" ist schon in einem anderen Memorant-Programm geöffnet. Schließe zuerst dieses.</translation>
    </message>
    <message>
        <source>The lock file "%1" of the database "%2" cannot be replaced. Remove it by hand when no Memorant program is using the file.</source>
        <translation>Die Sperrdatei "%1" der Datenbank "%2" kann nicht ersetzt werden. Lösche sie von Hand, wenn kein Memorant-Programm die Datei benutzt.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be locked: "%2" is a folder, where its lock file belongs. Move that folder away.</source>
        <translation>Die Datenbank "%1" kann nicht gesperrt werden: "%2" ist ein Ordner, wo ihre Sperrdatei hingehört. Verschiebe diesen Ordner.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be locked: its lock file "%2" cannot be read (%3). Remove it when no Memorant program is using the file.</source>
        <translation>Die Datenbank "%1" kann nicht gesperrt werden: Ihre Sperrdatei "%2" kann nicht gelesen werden (%3). Lösche sie, wenn kein Memorant-Programm die Datei benutzt.</translation>
    </message>
    <message>
        <source>The database "%1" is locked by a Memorant program on another computer, "%2" (lock file "%3"). Close it there; if it no longer runs, remove the lock file.</source>
        <translation>Die Datenbank "%1" ist von einem Memorant-Programm auf einem anderen Computer gesperrt, "%2" (Sperrdatei "%3"). Schließe es dort; wenn es nicht mehr läuft, lösche die Sperrdatei.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be locked for this program (lock file "%2").</source>
        <translation>Die Datenbank "%1" kann für dieses Programm nicht gesperrt werden (Sperrdatei "%2").</translation>
    </message>
    <message>
        <source>The database "%1" cannot be locked for this program: it cannot be opened for reading.</source>
        <translation>Die Datenbank "%1" kann für dieses Programm nicht gesperrt werden: Sie kann nicht zum Lesen geöffnet werden.</translation>
    </message>
    <message>
        <source>has no date</source>
        <translation>hat kein Datum</translation>
    </message>
    <message>
        <source>is dated "%1", which is not a real day</source>
        <translation>ist auf "%1" datiert, was kein echter Tag ist</translation>
    </message>
    <message>
        <source>is dated %1, outside the days a log can hold (%2 to %3)</source>
        <translation>ist auf %1 datiert, außerhalb der Tage, die ein Protokoll enthalten kann (%2 bis %3)</translation>
    </message>
    <message>
        <source>%1; and %2 more</source>
        <translation>%1; und %2 weitere</translation>
    </message>
    <message>
        <source>1 card names a picture or sound that is not in the database "%1"; it is shown without it</source>
        <translation>1 Karte nennt ein Bild oder einen Ton, das nicht in der Datenbank "%1" ist; sie wird ohne Bild oder Ton gezeigt</translation>
    </message>
    <message numerus="yes">
        <source>%n cards name a picture or sound that is not in the database "%1"; they are shown without it</source>
        <translation>
            <numerusform>%n Karte nennt ein Bild oder einen Ton, das nicht in der Datenbank "%1" ist; sie wird ohne Bild oder Ton gezeigt</numerusform>
            <numerusform>%n Karten nennen ein Bild oder einen Ton, das nicht in der Datenbank "%1" ist; sie werden ohne Bild oder Ton gezeigt</numerusform>
        </translation>
    </message>
    <message>
        <source>its first page does not hold a Memorant database header</source>
        <translation>ihre erste Seite enthält keinen Kopf einer Memorant-Datenbank</translation>
    </message>
    <message>
        <source>Cannot open the database "%1": it is damaged (%2)</source>
        <translation>Die Datenbank "%1" kann nicht geöffnet werden: Sie ist beschädigt (%2)</translation>
    </message>
    <message>
        <source>There are no backups in "%1".
</source>
        <translation>In "%1" gibt es keine Sicherungen.
</translation>
    </message>
    <message>
        <source>Backups in "%1", newest first:
</source>
        <translation>Sicherungen in "%1", die neueste zuerst:
</translation>
    </message>
    <message>
        <source>  (damaged)</source>
        <translation>  (beschädigt)</translation>
    </message>
    <message>
        <source>To restore one, start Memorant in its window: it offers the newest good backup, and File &gt; Restore from backup... lists them all.
</source>
        <translation>Um eine wiederherzustellen, starte Memorant in seinem Fenster: Es bietet die neueste intakte Sicherung an, und Datei &gt; Aus Sicherung wiederherstellen... zeigt alle.
</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>eine Spezialdatei</translation>
    </message>
    <message>
        <source>%1 is %2, not a regular file; Memorant reads regular files only.</source>
        <translation>%1 ist %2, keine normale Datei; Memorant liest nur normale Dateien.</translation>
    </message>
    <message>
        <source>%1 is %2, not a regular file; Memorant writes regular files only.</source>
        <translation>%1 ist %2, keine normale Datei; Memorant schreibt nur normale Dateien.</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>sie kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Cannot start a transaction: %1</source>
        <translation>Eine Transaktion kann nicht begonnen werden: %1</translation>
    </message>
    <message>
        <source>Cannot commit: %1</source>
        <translation>Die Änderungen können nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>line %1 holds a byte that is not UTF-8, though the rest of the file is UTF-8</source>
        <translation>Zeile %1 enthält ein Byte, das kein UTF-8 ist, obwohl der Rest der Datei UTF-8 ist</translation>
    </message>
</context>
<context>
    <name>DeckDialog</name>
    <message>
        <source>Import cards from another trainer</source>
        <translation>Karten aus einem anderen Lernprogramm importieren</translation>
    </message>
    <message numerus="yes">
        <source>%n new sets</source>
        <translation>
            <numerusform>%n neuen Kartensatz</numerusform>
            <numerusform>%n neuen Kartensätzen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2) makes %n cards in %3:</source>
        <translation>
            <numerusform>%1 (%2) ergibt %n Karte in %3:</numerusform>
            <numerusform>%1 (%2) ergibt %n Karten in %3:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2) makes %n cards (with %3) in %4:</source>
        <translation>
            <numerusform>%1 (%2) ergibt %n Karte (mit %3) in %4:</numerusform>
            <numerusform>%1 (%2) ergibt %n Karten (mit %3) in %4:</numerusform>
        </translation>
    </message>
    <message>
        <source>New set</source>
        <translation>Neuer Kartensatz</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>The first cards of the chosen set:</source>
        <translation>Die ersten Karten des gewählten Kartensatzes:</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Nothing is left out.</source>
        <translation>Nichts wird ausgelassen.</translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <translation>Ausgelassen: %1.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
</context>
<context>
    <name>DeckMenu</name>
    <message>
        <source>Import cards from another trainer</source>
        <translation>Karten aus einem anderen Lernprogramm importieren</translation>
    </message>
    <message>
        <source>Vocabulary files and deck packages (*.kvtml *.apkg *.colpkg);;All files (*)</source>
        <translation>Vokabeldateien und Kartenpakete (*.kvtml *.apkg *.colpkg);;Alle Dateien (*)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weitere</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>The file's cards take pictures or sounds from outside its folder:
%1

Take them too? Without them the cards are imported all the same.</source>
        <translation>Die Karten der Datei holen Bilder oder Töne von außerhalb ihres Ordners:
%1

Diese auch übernehmen? Ohne sie werden die Karten trotzdem importiert.</translation>
    </message>
    <message>
        <source>Export set as KVTML</source>
        <translation>Kartensatz als KVTML exportieren</translation>
    </message>
    <message>
        <source>KVTML files (*.kvtml)</source>
        <translation>KVTML-Dateien (*.kvtml)</translation>
    </message>
    <message>
        <source>Cards from another trainer...</source>
        <translation>Karten aus einem anderen Lernprogramm...</translation>
    </message>
    <message>
        <source>Export set as KVTML...</source>
        <translation>Kartensatz als KVTML exportieren...</translation>
    </message>
    <message numerus="yes">
        <source>%n cards of the set "%1" were written to %2 (KVTML 2.0), their pictures and sounds to %3.</source>
        <translation>
            <numerusform>%n Karte des Kartensatzes „%1“ wurde nach %2 geschrieben (KVTML 2.0), ihre Bilder und Töne nach %3.</numerusform>
            <numerusform>%n Karten des Kartensatzes „%1“ wurden nach %2 geschrieben (KVTML 2.0), ihre Bilder und Töne nach %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cards of the set "%1" were written to %2 (KVTML 2.0).</source>
        <translation>
            <numerusform>%n Karte des Kartensatzes „%1“ wurde nach %2 geschrieben (KVTML 2.0).</numerusform>
            <numerusform>%n Karten des Kartensatzes „%1“ wurden nach %2 geschrieben (KVTML 2.0).</numerusform>
        </translation>
    </message>
    <message>
        <source>The set could not be exported: %1</source>
        <translation>Der Kartensatz konnte nicht exportiert werden: %1</translation>
    </message>
</context>
<context>
    <name>Decks</name>
    <message numerus="yes">
        <source>%n not found</source>
        <translation>
            <numerusform>%n nicht gefunden</numerusform>
            <numerusform>%n nicht gefunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n outside the file's folder</source>
        <translation>
            <numerusform>%n außerhalb des Ordners der Datei</numerusform>
            <numerusform>%n außerhalb des Ordners der Datei</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n too large or unreadable</source>
        <translation>
            <numerusform>%n zu groß oder unlesbar</numerusform>
            <numerusform>%n zu groß oder unlesbar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n beyond a card's first</source>
        <translation>
            <numerusform>%n über das erste einer Karte hinaus</numerusform>
            <numerusform>%n über das erste einer Karte hinaus</numerusform>
        </translation>
    </message>
    <message>
        <source>1 sound left out (%1)</source>
        <translation>1 Ton weggelassen (%1)</translation>
    </message>
    <message numerus="yes">
        <source>%n sounds left out (%1)</source>
        <translation>
            <numerusform>%n Ton weggelassen (%1)</numerusform>
            <numerusform>%n Töne weggelassen (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>1 picture left out (%1)</source>
        <translation>1 Bild weggelassen (%1)</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures left out (%1)</source>
        <translation>
            <numerusform>%n Bild weggelassen (%1)</numerusform>
            <numerusform>%n Bilder weggelassen (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>1 note without both a question and an answer skipped</source>
        <translation>1 Notiz ohne Frage und Antwort übersprungen</translation>
    </message>
    <message numerus="yes">
        <source>%n notes without both a question and an answer skipped</source>
        <translation>
            <numerusform>%n Notiz ohne Frage und Antwort übersprungen</numerusform>
            <numerusform>%n Notizen ohne Frage und Antwort übersprungen</numerusform>
        </translation>
    </message>
    <message>
        <source>1 entry without both a question and an answer skipped</source>
        <translation>1 Eintrag ohne Frage und Antwort übersprungen</translation>
    </message>
    <message numerus="yes">
        <source>%n entries without both a question and an answer skipped</source>
        <translation>
            <numerusform>%n Eintrag ohne Frage und Antwort übersprungen</numerusform>
            <numerusform>%n Einträge ohne Frage und Antwort übersprungen</numerusform>
        </translation>
    </message>
    <message>
        <source>1 note whose answer is the multiple-answer mark "Multi" skipped</source>
        <translation>1 Notiz übersprungen, deren Antwort das Mehrfachantwort-Zeichen "Multi" ist</translation>
    </message>
    <message numerus="yes">
        <source>%n notes whose answer is the multiple-answer mark "Multi" skipped</source>
        <translation>
            <numerusform>%n Notiz übersprungen, deren Antwort das Mehrfachantwort-Zeichen "Multi" ist</numerusform>
            <numerusform>%n Notizen übersprungen, deren Antwort das Mehrfachantwort-Zeichen "Multi" ist</numerusform>
        </translation>
    </message>
    <message>
        <source>1 entry whose answer is the multiple-answer mark "Multi" skipped</source>
        <translation>1 Eintrag übersprungen, dessen Antwort das Mehrfachantwort-Zeichen "Multi" ist</translation>
    </message>
    <message numerus="yes">
        <source>%n entries whose answer is the multiple-answer mark "Multi" skipped</source>
        <translation>
            <numerusform>%n Eintrag übersprungen, dessen Antwort das Mehrfachantwort-Zeichen "Multi" ist</numerusform>
            <numerusform>%n Einträge übersprungen, deren Antwort das Mehrfachantwort-Zeichen "Multi" ist</numerusform>
        </translation>
    </message>
    <message>
        <source>scheduling data not imported: the cards start as new cards</source>
        <translation>Planungsdaten nicht importiert: Die Karten beginnen als neue Karten</translation>
    </message>
    <message>
        <source>1 picture</source>
        <translation>1 Bild</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures</source>
        <translation>
            <numerusform>%n Bild</numerusform>
            <numerusform>%n Bilder</numerusform>
        </translation>
    </message>
    <message>
        <source>1 sound</source>
        <translation>1 Ton</translation>
    </message>
    <message numerus="yes">
        <source>%n sounds</source>
        <translation>
            <numerusform>%n Ton</numerusform>
            <numerusform>%n Töne</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1: the file cannot be read (%2)</source>
        <translation>%1: Die Datei kann nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>%1: the file is too large for a vocabulary file; nothing was added</source>
        <translation>%1: Die Datei ist zu groß für eine Vokabeldatei; nichts wurde hinzugefügt</translation>
    </message>
    <message>
        <source>%1: %2 Nothing was added.</source>
        <translation>%1: %2 Nichts wurde hinzugefügt.</translation>
    </message>
    <message>
        <source>%1: the import was cancelled; nothing was added</source>
        <translation>%1: Der Import wurde abgebrochen; nichts wurde hinzugefügt</translation>
    </message>
    <message>
        <source>"%1" is a sound, not a picture.</source>
        <translation>"%1" ist ein Ton, kein Bild.</translation>
    </message>
    <message>
        <source>"%1" is a picture, not a sound.</source>
        <translation>"%1" ist ein Bild, kein Ton.</translation>
    </message>
    <message>
        <source>"%1" was left out: the cards' pictures and sounds together would pass %2 MB.</source>
        <translation>"%1" wurde weggelassen: Die Bilder und Töne der Karten zusammen würden %2 MB überschreiten.</translation>
    </message>
    <message>
        <source>Imported 1 card from %1 into the new set %2</source>
        <translation>1 Karte aus %1 in den neuen Kartensatz %2 importiert</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n cards from %1 into the new set %2</source>
        <translation>
            <numerusform>%n Karte aus %1 in den neuen Kartensatz %2 importiert</numerusform>
            <numerusform>%n Karten aus %1 in den neuen Kartensatz %2 importiert</numerusform>
        </translation>
    </message>
    <message>
        <source>Imported 1 card from %1 into %2 new sets (%3)</source>
        <translation>1 Karte aus %1 in %2 neue Kartensätze importiert (%3)</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n cards from %1 into %2 new sets (%3)</source>
        <translation>
            <numerusform>%n Karte aus %1 in %2 neue Kartensätze importiert (%3)</numerusform>
            <numerusform>%n Karten aus %1 in %2 neue Kartensätze importiert (%3)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, with %2</source>
        <translation>%1, mit %2</translation>
    </message>
    <message>
        <source>1 card with nothing but control characters as a question or an answer skipped</source>
        <translation>1 Karte mit nichts als Steuerzeichen als Frage oder Antwort übersprungen</translation>
    </message>
    <message numerus="yes">
        <source>%n cards with nothing but control characters as a question or an answer skipped</source>
        <translation>
            <numerusform>%n Karte mit nichts als Steuerzeichen als Frage oder Antwort übersprungen</numerusform>
            <numerusform>%n Karten mit nichts als Steuerzeichen als Frage oder Antwort übersprungen</numerusform>
        </translation>
    </message>
    <message>
        <source>"%1" cannot be read: it is not a regular file, or not readable.</source>
        <translation>"%1" kann nicht gelesen werden: Es ist keine normale Datei oder nicht lesbar.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1, line %2: %3; nothing was added</source>
        <translation>%1, Zeile %2: %3; nichts wurde hinzugefügt</translation>
    </message>
    <message>
        <source>%1: %2; nothing was added</source>
        <translation>%1: %2; nichts wurde hinzugefügt</translation>
    </message>
    <message>
        <source>%1, which no vocabulary file needs</source>
        <translation>%1, was keine Vokabeldatei braucht</translation>
    </message>
    <message>
        <source>the XML is not well-formed (%1)</source>
        <translation>das XML ist nicht wohlgeformt (%1)</translation>
    </message>
    <message>
        <source>this is not a KVTML file</source>
        <translation>dies ist keine KVTML-Datei</translation>
    </message>
    <message>
        <source>no word has a comment to ask it by (%1 skipped)</source>
        <translation>kein Wort hat einen Kommentar, nach dem gefragt werden kann (%1 übersprungen)</translation>
    </message>
    <message>
        <source>no entry holds both a question and an answer (%1 skipped)</source>
        <translation>kein Eintrag enthält eine Frage und eine Antwort (%1 übersprungen)</translation>
    </message>
    <message>
        <source>There is no set named "%1".</source>
        <translation>Es gibt keinen Kartensatz namens "%1".</translation>
    </message>
    <message>
        <source>The answers could not be read.</source>
        <translation>Die Antworten konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>its collection cannot be opened (%1)</source>
        <translation>seine Sammlung kann nicht geöffnet werden (%1)</translation>
    </message>
    <message>
        <source>its collection cannot be read safely here (Qt's SQLite driver is not the SQLite library Memorant was built with)</source>
        <translation>seine Sammlung kann hier nicht sicher gelesen werden (der SQLite-Treiber von Qt ist nicht die SQLite-Bibliothek, mit der Memorant gebaut wurde)</translation>
    </message>
    <message>
        <source>its collection cannot be read (%1)</source>
        <translation>seine Sammlung kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>collection</source>
        <translation>Sammlung</translation>
    </message>
    <message>
        <source>its collection is not a deck package's (it holds the trigger "%1")</source>
        <translation>seine Sammlung ist nicht die eines Kartenpakets (sie enthält den Trigger "%1")</translation>
    </message>
    <message>
        <source>its collection is not a deck package's ("%1" is not a plain table)</source>
        <translation>seine Sammlung ist nicht die eines Kartenpakets ("%1" ist keine einfache Tabelle)</translation>
    </message>
    <message>
        <source>its collection is not a deck package's (the table "%1" has computed columns)</source>
        <translation>seine Sammlung ist nicht die eines Kartenpakets (die Tabelle "%1" hat berechnete Spalten)</translation>
    </message>
    <message>
        <source>its collection is damaged</source>
        <translation>seine Sammlung ist beschädigt</translation>
    </message>
    <message>
        <source>reading its %1 took longer than %2, which no real deck needs</source>
        <translation>das Lesen des Teils "%1" dauerte länger als %2, was kein echtes Deck braucht</translation>
    </message>
    <message>
        <source>its %1 cannot be read (%2)</source>
        <translation>der Teil "%1" kann nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>%1 unpacks to far more than it holds packed, which no real deck does</source>
        <translation>%1 wird entpackt weit größer als gepackt, was kein echtes Deck tut</translation>
    </message>
    <message>
        <source>its media list is damaged</source>
        <translation>seine Medienliste ist beschädigt</translation>
    </message>
    <message>
        <source>its media list cannot be read (not valid JSON)</source>
        <translation>seine Medienliste kann nicht gelesen werden (kein gültiges JSON)</translation>
    </message>
    <message>
        <source>this is not a deck package (not a readable zip archive)</source>
        <translation>dies ist kein Kartenpaket (kein lesbares ZIP-Archiv)</translation>
    </message>
    <message>
        <source>its media list</source>
        <translation>die Medienliste</translation>
    </message>
    <message>
        <source>its media list is larger than any deck needs</source>
        <translation>seine Medienliste ist größer, als ein Deck sie braucht</translation>
    </message>
    <message>
        <source>its %1 cannot be read (not valid JSON)</source>
        <translation>der Teil "%1" kann nicht gelesen werden (kein gültiges JSON)</translation>
    </message>
    <message>
        <source>tables</source>
        <translation>Tabellen</translation>
    </message>
    <message>
        <source>note types</source>
        <translation>Notiztypen</translation>
    </message>
    <message>
        <source>decks</source>
        <translation>Decks</translation>
    </message>
    <message>
        <source>its collection holds no note types or decks</source>
        <translation>seine Sammlung enthält keine Notiztypen oder Decks</translation>
    </message>
    <message>
        <source>cards</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>deck package</source>
        <translation>Kartenpaket</translation>
    </message>
    <message>
        <source>%1: no note holds both a question and an answer (%2 skipped); nothing was added</source>
        <translation>%1: keine Notiz enthält eine Frage und eine Antwort (%2 übersprungen); nichts wurde hinzugefügt</translation>
    </message>
    <message>
        <source>its collection unpacks to far more than it holds packed (more than %1 bytes from %2), which no real deck does</source>
        <translation>seine Sammlung wird entpackt weit größer als gepackt (mehr als %1 Bytes aus %2), was kein echtes Deck tut</translation>
    </message>
    <message>
        <source>its collection cannot be unpacked (%1)</source>
        <translation>seine Sammlung kann nicht entpackt werden (%1)</translation>
    </message>
    <message>
        <source>this is not a deck package (not a readable zip archive: %1)</source>
        <translation>dies ist kein Kartenpaket (kein lesbares ZIP-Archiv: %1)</translation>
    </message>
    <message>
        <source>this zip archive holds no collection, so it is not a deck package</source>
        <translation>dieses ZIP-Archiv enthält keine Sammlung, also ist es kein Kartenpaket</translation>
    </message>
    <message>
        <source>its collection</source>
        <translation>die Sammlung</translation>
    </message>
    <message>
        <source>no temporary file can be made in %1</source>
        <translation>in %1 kann keine temporäre Datei angelegt werden</translation>
    </message>
    <message>
        <source>no temporary file can be made (%1)</source>
        <translation>es kann keine temporäre Datei angelegt werden (%1)</translation>
    </message>
    <message>
        <source>its unpacked collection was removed by another program</source>
        <translation>seine entpackte Sammlung wurde von einem anderen Programm entfernt</translation>
    </message>
    <message>
        <source>a tag is longer than %1 KB</source>
        <translation>ein Tag ist länger als %1 KB</translation>
    </message>
    <message>
        <source>an element has more than %1 attributes</source>
        <translation>ein Element hat mehr als %1 Attribute</translation>
    </message>
    <message>
        <source>%1 is not validly compressed (%2)</source>
        <translation>%1 ist nicht gültig komprimiert (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be read from the archive</source>
        <translation>%1 kann nicht aus dem Archiv gelesen werden</translation>
    </message>
    <message>
        <source>%1 cannot be read from the archive (%2)</source>
        <translation>%1 kann nicht aus dem Archiv gelesen werden (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be unpacked</source>
        <translation>%1 kann nicht entpackt werden</translation>
    </message>
    <message>
        <source>the archive is damaged (%1)</source>
        <translation>das Archiv ist beschädigt (%1)</translation>
    </message>
    <message>
        <source>%1 is cut short</source>
        <translation>%1 ist abgeschnitten</translation>
    </message>
</context>
<context>
    <name>DelayWindow</name>
    <message>
        <source>Delay</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Pause after a correct reply</source>
        <translation>Pause nach einer richtigen Eingabe</translation>
    </message>
    <message>
        <source>The pause after a correct reply, before the next question is put (Talking and Kids modes), in steps of %1 seconds:</source>
        <translation>Die Pause nach einer richtigen Eingabe, bevor die nächste Frage kommt (Sprechen und Kindermodus), in Schritten von %1 Sekunden:</translation>
    </message>
    <message>
        <source>No pause</source>
        <translation>Keine Pause</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>The delay could not be saved: %1</source>
        <translation>Die Pause konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The delay cannot be shown: %1</source>
        <translation>Die Pause kann nicht angezeigt werden: %1</translation>
    </message>
</context>
<context>
    <name>DemonsManager</name>
    <message>
        <source>The number of Demons must be a whole number from 0 to %1.</source>
        <translation>Die Anzahl der Dämonen muss eine ganze Zahl von 0 bis %1 sein.</translation>
    </message>
    <message>
        <source>The set could not be changed: %1</source>
        <translation>Der Kartensatz konnte nicht geändert werden: %1</translation>
    </message>
    <message>
        <source>Demons Manager</source>
        <translation>Dämonen verwalten</translation>
    </message>
    <message>
        <source>Select the sets you  want to be included in your Deamons set</source>
        <translation>Wähle die Kartensätze, die in deine Dämonen aufgenommen werden sollen</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Alle abwählen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Enter the number of cards you want to be in your Deamons sets</source>
        <translation>Gib ein, wie viele Karten deine Dämonen haben sollen</translation>
    </message>
    <message>
        <source>Sets in the Demons</source>
        <translation>Kartensätze in den Dämonen</translation>
    </message>
    <message>
        <source>Apply the chosen sets</source>
        <translation>Gewählte Kartensätze übernehmen</translation>
    </message>
    <message>
        <source>Number of cards in the Demons sets</source>
        <translation>Anzahl der Karten in den Dämonen</translation>
    </message>
    <message>
        <source>Apply the number of cards</source>
        <translation>Anzahl der Karten übernehmen</translation>
    </message>
    <message>
        <source>The Demons now:</source>
        <translation>Die Dämonen jetzt:</translation>
    </message>
    <message>
        <source>SetName</source>
        <translation>Kartensatz</translation>
    </message>
    <message>
        <source>%1 (answer to question)</source>
        <translation>%1 (Antwort zu Frage)</translation>
    </message>
    <message>
        <source>The sets could not be changed: %1</source>
        <translation>Die Kartensätze konnten nicht geändert werden: %1</translation>
    </message>
    <message>
        <source>The number could not be saved: %1</source>
        <translation>Die Anzahl konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The Demons Manager cannot be opened: %1</source>
        <translation>Das Fenster „Dämonen verwalten“ kann nicht geöffnet werden: %1</translation>
    </message>
</context>
<context>
    <name>DirectionDialog</name>
    <message>
        <source>Question to answer (show the question, type the answer)</source>
        <translation>Frage zu Antwort (die Frage wird gezeigt, du tippst die Antwort)</translation>
    </message>
    <message>
        <source>Answer to question (show the answer, type the question)</source>
        <translation>Antwort zu Frage (die Antwort wird gezeigt, du tippst die Frage)</translation>
    </message>
    <message>
        <source>Both ways (each card is asked twice a pass)</source>
        <translation>In beide Richtungen (jede Karte wird pro Durchgang zweimal abgefragt)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>How the cards of the set "%1" are asked:</source>
        <translation>So werden die Karten des Kartensatzes „%1“ abgefragt:</translation>
    </message>
    <message>
        <source>Each way keeps its own rating, counts and Demons mark. Cards with multiple answers are always asked from the question to the answers.</source>
        <translation>Jede Richtung hat ihre eigene Bewertung, ihre eigenen Zähler und ihre eigene Dämonen-Markierung. Karten mit Mehrfachantwort werden immer von der Frage zu den Antworten abgefragt.</translation>
    </message>
    <message>
        <source>The set's direction cannot be read: %1</source>
        <translation>Die Richtung des Kartensatzes kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Choose a set first: the direction is a set's own.</source>
        <translation>Wähle zuerst einen Kartensatz: Jeder Kartensatz hat seine eigene Richtung.</translation>
    </message>
    <message>
        <source>The set "%1" is no longer there.</source>
        <translation>Den Kartensatz „%1“ gibt es nicht mehr.</translation>
    </message>
    <message>
        <source>The direction could not be stored: %1
The set is asked as before.</source>
        <translation>Die Richtung konnte nicht gespeichert werden: %1
Der Kartensatz wird wie bisher abgefragt.</translation>
    </message>
</context>
<context>
    <name>DueCountDelegate</name>
    <message numerus="yes">
        <source>%n due</source>
        <translation>
            <numerusform>%n fällig</numerusform>
            <numerusform>%n fällig</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DueOutlookView</name>
    <message>
        <source>Due</source>
        <translation>Fällig</translation>
    </message>
    <message numerus="yes">
        <source>Cards due in the next %n days (today first)</source>
        <translation>
            <numerusform>Fällige Karten am nächsten %n Tag (heute zuerst)</numerusform>
            <numerusform>Fällige Karten in den nächsten %n Tagen (heute zuerst)</numerusform>
        </translation>
    </message>
    <message>
        <source>No card has been answered when due yet (recall wanted: %1%).</source>
        <translation>Noch keine Karte wurde beantwortet, als sie fällig war (gewünschte Behaltensquote: %1 %).</translation>
    </message>
    <message>
        <source>Answered right when due: %1% of %2 (recall wanted: %3%)</source>
        <translation>Richtig beantwortet, als sie fällig waren: %1 % von %2 (gewünschte Behaltensquote: %3 %)</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>The companion file "%1" cannot be imported: line %2 %3. Nothing was changed.</source>
        <translation>Die Begleitdatei "%1" kann nicht importiert werden: Zeile %2 %3. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>holds "%1", but %2</source>
        <translation>enthält "%1", aber %2</translation>
    </message>
    <message>
        <source>a value is needed</source>
        <translation>ein Wert ist nötig</translation>
    </message>
    <message>
        <source>is missing: the file ends too early</source>
        <translation>fehlt: Die Datei endet zu früh</translation>
    </message>
    <message>
        <source>holds "%1", but %2 has %3 values separated by tabs</source>
        <translation>enthält "%1", aber %2 hat %3 durch Tabulatoren getrennte Werte</translation>
    </message>
    <message>
        <source>lists the set %1 again, which line %2 lists already</source>
        <translation>nennt den Kartensatz %1 noch einmal, den Zeile %2 schon nennt</translation>
    </message>
    <message>
        <source>a line of set directions (set id, direction)</source>
        <translation>eine Zeile der Kartensatz-Richtungen (Kartensatz-ID, Richtung)</translation>
    </message>
    <message>
        <source>gives the set %1 the direction %2, but a direction is 0 (question to answer), 1 (answer to question) or 2 (both)</source>
        <translation>gibt dem Kartensatz %1 die Richtung %2, aber eine Richtung ist 0 (Frage zu Antwort), 1 (Antwort zu Frage) oder 2 (beide)</translation>
    </message>
    <message>
        <source>lists the card %1 again, which line %2 lists already</source>
        <translation>nennt die Karte %1 noch einmal, die Zeile %2 schon nennt</translation>
    </message>
    <message>
        <source>a line of reverse values (card id, Order, Rating, Correct, Incorrect, Demons)</source>
        <translation>eine Zeile umgekehrter Werte (Karten-ID, Order, Rating, Correct, Incorrect, Demons)</translation>
    </message>
    <message>
        <source>lists the log row %1 again, which line %2 lists already</source>
        <translation>nennt die Protokollzeile %1 noch einmal, die Zeile %2 schon nennt</translation>
    </message>
    <message>
        <source>the head of a section (its name and its number of lines)</source>
        <translation>der Kopf eines Abschnitts (sein Name und seine Zeilenzahl)</translation>
    </message>
    <message>
        <source>holds "%1", but there is no section "%2" (only "%3", "%4" and "%5")</source>
        <translation>enthält "%1", aber es gibt keinen Abschnitt "%2" (nur "%3", "%4" und "%5")</translation>
    </message>
    <message>
        <source>opens the section "%1" again, which line %2 opened already</source>
        <translation>öffnet den Abschnitt "%1" noch einmal, den Zeile %2 schon geöffnet hat</translation>
    </message>
    <message>
        <source>holds a negative number of lines</source>
        <translation>enthält eine negative Zeilenzahl</translation>
    </message>
    <message>
        <source>The exchange file "%1" could not be written: %2. The file that was there before is unchanged.</source>
        <translation>Die Austauschdatei "%1" konnte nicht geschrieben werden: %2. Die Datei, die vorher dort war, ist unverändert.</translation>
    </message>
    <message>
        <source>The exchange file "%1" cannot be read: %2.</source>
        <translation>Die Austauschdatei "%1" kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The exchange file "%1" does not exist.</source>
        <translation>Die Austauschdatei "%1" existiert nicht.</translation>
    </message>
    <message>
        <source>holds a text of %1 characters, more than the %2 a text may have</source>
        <translation>enthält einen Text mit %1 Zeichen, mehr als die %2, die ein Text haben darf</translation>
    </message>
    <message>
        <source>holds a NUL character, which no text may hold</source>
        <translation>enthält ein NUL-Zeichen, das kein Text enthalten darf</translation>
    </message>
    <message numerus="yes">
        <source>%n texts held line breaks or control characters, which the exchange file cannot carry: each line break was written as a blank, the other characters left out.</source>
        <translation>
            <numerusform>%n Text enthielt Zeilenumbrüche oder Steuerzeichen, die die Austauschdatei nicht aufnehmen kann: Jeder Zeilenumbruch wurde als Leerzeichen geschrieben, die anderen Zeichen weggelassen.</numerusform>
            <numerusform>%n Texte enthielten Zeilenumbrüche oder Steuerzeichen, die die Austauschdatei nicht aufnehmen kann: Jeder Zeilenumbruch wurde als Leerzeichen geschrieben, die anderen Zeichen weggelassen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n set names were longer than %1 characters and were written cut to that length.</source>
        <translation>
            <numerusform>%n Name eines Kartensatzes war länger als %1 Zeichen und wurde auf diese Länge gekürzt geschrieben.</numerusform>
            <numerusform>%n Namen von Kartensätzen waren länger als %1 Zeichen und wurden auf diese Länge gekürzt geschrieben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n log rows were left out: their dates are no day from %1 to %2, which an import would refuse.</source>
        <translation>
            <numerusform>%n Protokollzeile wurde weggelassen: Ihr Datum ist kein Tag von %1 bis %2, was ein Import ablehnen würde.</numerusform>
            <numerusform>%n Protokollzeilen wurden weggelassen: Ihre Daten sind keine Tage von %1 bis %2, was ein Import ablehnen würde.</numerusform>
        </translation>
    </message>
    <message>
        <source>The database could not be exported: %1</source>
        <translation>Die Datenbank konnte nicht exportiert werden: %1</translation>
    </message>
    <message>
        <source>%1 and %2 came with the cards.</source>
        <translation>%1 und %2 kamen mit den Karten.</translation>
    </message>
    <message>
        <source>1 picture</source>
        <translation>1 Bild</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures</source>
        <translation>
            <numerusform>%n Bild</numerusform>
            <numerusform>%n Bilder</numerusform>
        </translation>
    </message>
    <message>
        <source>1 sound</source>
        <translation>1 Ton</translation>
    </message>
    <message numerus="yes">
        <source>%n sounds</source>
        <translation>
            <numerusform>%n Ton</numerusform>
            <numerusform>%n Töne</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n multiple-answer cards arrived without their answers; replies to them are judged wrong until their answers are entered.</source>
        <translation>
            <numerusform>%n Karte mit Mehrfachantwort kam ohne ihre Antworten; Eingaben dazu gelten als falsch, bis ihre Antworten eingetragen sind.</numerusform>
            <numerusform>%n Karten mit Mehrfachantwort kamen ohne ihre Antworten; Eingaben dazu gelten als falsch, bis ihre Antworten eingetragen sind.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file "%1" is not an exchange file: it holds %2 lines, fewer than one block of %3. Nothing was changed.</source>
        <translation>Die Datei "%1" ist keine Austauschdatei: Sie hat %2 Zeilen, weniger als ein Block von %3. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The exchange file "%1" cannot be imported: its %2 lines are not whole records of %3 lines; the last record, from line %4, breaks off at line %2. The file was cut short, or lines were added or removed. Nothing was changed.</source>
        <translation>Die Austauschdatei "%1" kann nicht importiert werden: Ihre %2 Zeilen sind keine ganzen Datensätze von %3 Zeilen; der letzte Datensatz ab Zeile %4 bricht bei Zeile %2 ab. Die Datei wurde abgeschnitten, oder es wurden Zeilen hinzugefügt oder entfernt. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The exchange file "%1" cannot be imported: line %2 %3. Nothing was changed.</source>
        <translation>Die Austauschdatei "%1" kann nicht importiert werden: Zeile %2 %3. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>holds the date of a log row, which %1; import without the log to leave the log out</source>
        <translation>enthält das Datum einer Protokollzeile; diese %1; importiere ohne das Protokoll, um es wegzulassen</translation>
    </message>
    <message>
        <source>The exchange file "%1" cannot be imported: none of its records is a card, a set, a relation or a log row (each has an id other than 0 in line 1, 14, 20 or 23 of its %2). Nothing was changed.</source>
        <translation>Die Austauschdatei "%1" kann nicht importiert werden: Keiner ihrer Datensätze ist eine Karte, ein Kartensatz, eine Beziehung oder eine Protokollzeile (jede dieser Arten hat eine ID ungleich 0 in Zeile 1, 14, 20 oder 23 ihrer %2). Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The exchange file "%1" cannot be imported: it holds more than one card with the id %2. Nothing was changed.</source>
        <translation>Die Austauschdatei "%1" kann nicht importiert werden: Sie enthält mehr als eine Karte mit der ID %2. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The exchange file "%1" cannot be imported: it holds more than one set with the id %2. Nothing was changed.</source>
        <translation>Die Austauschdatei "%1" kann nicht importiert werden: Sie enthält mehr als einen Kartensatz mit der ID %2. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The exchange file "%1" cannot be imported: it was cut short. Its last block of %2 lines, empty at the end of every export, holds data (line %3), and the companion file "%4" shows that the file is such an export. Nothing was changed.</source>
        <translation>Die Austauschdatei "%1" kann nicht importiert werden: Sie wurde abgeschnitten. Ihr letzter Block von %2 Zeilen, am Ende jedes Exports leer, enthält Daten (Zeile %3), und die Begleitdatei "%4" zeigt, dass die Datei ein solcher Export ist. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The last %1 lines of "%2" held data (line %3); as in every exchange file, that last block was set aside and not imported.</source>
        <translation>Die letzten %1 Zeilen von "%2" enthielten Daten (Zeile %3); wie in jeder Austauschdatei wurde dieser letzte Block beiseitegelassen und nicht importiert.</translation>
    </message>
    <message>
        <source>The companion file "%1" was ignored: it belongs to another exchange file, so multiple-answer cards came without their answers, and every set, card and log row as asked question to answer.</source>
        <translation>Die Begleitdatei "%1" wurde nicht beachtet: Sie gehört zu einer anderen Austauschdatei, daher kamen Karten mit Mehrfachantwort ohne ihre Antworten, und jeder Kartensatz, jede Karte und jede Protokollzeile als von Frage zu Antwort gefragt.</translation>
    </message>
    <message>
        <source>The companion file "%1" was ignored: it belongs to another exchange file, so the cards came without their pictures and sounds.</source>
        <translation>Die Begleitdatei "%1" wurde nicht beachtet: Sie gehört zu einer anderen Austauschdatei, daher kamen die Karten ohne ihre Bilder und Töne.</translation>
    </message>
    <message>
        <source>The exchange file "%1" could not be imported: %2. Nothing was changed.</source>
        <translation>Die Austauschdatei "%1" konnte nicht importiert werden: %2. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The companion file "%1" cannot be imported: %2. Nothing was changed.</source>
        <translation>Die Begleitdatei "%1" kann nicht importiert werden: %2. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>it lacks "%1"</source>
        <translation>ihr fehlt "%1"</translation>
    </message>
    <message>
        <source>"%1" in it is larger than a card's file may be</source>
        <translation>"%1" darin ist größer, als die Datei einer Karte sein darf</translation>
    </message>
    <message>
        <source>"%1" in it cannot be read</source>
        <translation>"%1" darin kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>"%1" in it is damaged</source>
        <translation>"%1" darin ist beschädigt</translation>
    </message>
    <message>
        <source>The pictures and sounds could not be exported: %1</source>
        <translation>Die Bilder und Töne konnten nicht exportiert werden: %1</translation>
    </message>
    <message>
        <source>its list of cards does not begin as it should</source>
        <translation>ihre Kartenliste beginnt nicht so, wie sie sollte</translation>
    </message>
    <message>
        <source>it was written by a newer version of this program</source>
        <translation>sie wurde von einer neueren Version dieses Programms geschrieben</translation>
    </message>
    <message>
        <source>the file "%1" in it is not what its name says</source>
        <translation>die Datei "%1" darin ist nicht, was ihr Name sagt</translation>
    </message>
    <message>
        <source>The companion file "%1" cannot be written</source>
        <translation>Die Begleitdatei "%1" kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The companion file "%1" cannot be written: %2</source>
        <translation>Die Begleitdatei "%1" kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>it is cut short or damaged (not a readable zip archive)</source>
        <translation>sie ist abgeschnitten oder beschädigt (kein lesbares ZIP-Archiv)</translation>
    </message>
    <message>
        <source>line %1 of its list of cards is malformed</source>
        <translation>Zeile %1 ihrer Kartenliste ist fehlerhaft</translation>
    </message>
    <message>
        <source>holds "%1", but the forms line needs a date format, a time format and a decimal separator, separated by tabs</source>
        <translation>enthält "%1", aber die Formatzeile braucht ein Datumsformat, ein Zeitformat und ein Dezimaltrennzeichen, durch Tabulatoren getrennt</translation>
    </message>
    <message>
        <source>holds "%1", but a version is a whole number from 1</source>
        <translation>enthält "%1", aber eine Version ist eine ganze Zahl ab 1</translation>
    </message>
    <message>
        <source>says it is of version %1, but this program reads companions up to version %2: import it with a newer version of the program</source>
        <translation>gibt Version %1 an, aber dieses Programm liest Begleitdateien bis Version %2: Importiere sie mit einer neueren Version des Programms</translation>
    </message>
    <message>
        <source>holds a negative number of answers</source>
        <translation>enthält eine negative Zahl von Antworten</translation>
    </message>
    <message>
        <source>The companion file "%1" cannot be imported: line %2 gives answers to the card %3, which is not a multiple-answer card in the exchange file. Nothing was changed.</source>
        <translation>Die Begleitdatei "%1" kann nicht importiert werden: Zeile %2 gibt Antworten zur Karte %3, die in der Austauschdatei keine Karte mit Mehrfachantwort ist. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>an id must be a whole number</source>
        <translation>eine ID muss eine ganze Zahl sein</translation>
    </message>
    <message>
        <source>it is neither True nor False</source>
        <translation>es ist weder True noch False</translation>
    </message>
    <message>
        <source>it is not a number</source>
        <translation>es ist keine Zahl</translation>
    </message>
    <message>
        <source>it is not a date</source>
        <translation>es ist kein Datum</translation>
    </message>
</context>
<context>
    <name>ExchangeMenu</name>
    <message>
        <source>%v of %m records</source>
        <translation>%v von %m Datensätzen</translation>
    </message>
    <message>
        <source>Exporting the database...</source>
        <translation>Datenbank wird exportiert...</translation>
    </message>
    <message>
        <source>Export has been completed successfully. The file location is: %1.</source>
        <translation>Der Export wurde erfolgreich abgeschlossen. Die Datei liegt hier: %1.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Wird importiert...</translation>
    </message>
    <message>
        <source>Import has been completed successfully</source>
        <translation>Der Import wurde erfolgreich abgeschlossen</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>The Demons could not be marked: %1
The marks are as they were, and the lesson goes on as before.</source>
        <translation>Die Dämonen konnten nicht markiert werden: %1
Die Markierungen bleiben, wie sie waren, und die Lektion geht weiter wie bisher.</translation>
    </message>
    <message>
        <source>The number of Demons stored in the database ("%1") is not a whole number, so no card was marked. Set it under Learn &gt; Demons &gt; Arrange Demons.</source>
        <translation>Die in der Datenbank gespeicherte Anzahl der Dämonen („%1“) ist keine ganze Zahl, daher wurde keine Karte markiert. Stelle sie unter Lernen &gt; Dämonen &gt; Dämonen ordnen ein.</translation>
    </message>
    <message>
        <source>No reply of this lesson to take back yet</source>
        <translation>Noch keine Eingabe dieser Lektion zum Zurücknehmen</translation>
    </message>
    <message>
        <source>The due cards could not be read: %1</source>
        <translation>Die fälligen Karten konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Nothing is due today.</source>
        <translation>Heute ist nichts fällig.</translation>
    </message>
    <message>
        <source>There are no records in this set.Populate the current set with records or select another set to learn.</source>
        <translation>Dieser Kartensatz enthält keine Karten. Fülle den aktuellen Kartensatz mit Karten oder wähle einen anderen Kartensatz zum Lernen.</translation>
    </message>
    <message>
        <source>A reply cannot be taken back after the end of a bunch: the cards were reordered</source>
        <translation>Nach dem Ende eines Durchgangs lässt sich keine Eingabe zurücknehmen: Die Karten wurden neu geordnet</translation>
    </message>
    <message>
        <source>End of Set</source>
        <translation>Ende des Durchgangs</translation>
    </message>
    <message>
        <source>A reply cannot be taken back once the due cards are done</source>
        <translation>Sind die fälligen Karten erledigt, lässt sich keine Eingabe mehr zurücknehmen</translation>
    </message>
    <message>
        <source>Nothing more is due today.</source>
        <translation>Heute ist nichts mehr fällig.</translation>
    </message>
    <message>
        <source>A reply cannot be taken back once the whole set is learnt</source>
        <translation>Ist der ganze Kartensatz gelernt, lässt sich keine Eingabe mehr zurücknehmen</translation>
    </message>
    <message>
        <source>Congratulations! You've successfully learn't the set. Choose another set to learn.</source>
        <translation>Herzlichen Glückwunsch! Du hast den Kartensatz erfolgreich gelernt. Wähle einen anderen Kartensatz zum Lernen.</translation>
    </message>
    <message>
        <source>Correct answer is: %1</source>
        <translation>Die richtige Antwort ist: %1</translation>
    </message>
    <message>
        <source>WRONG</source>
        <translation>FALSCH</translation>
    </message>
    <message>
        <source>The reply could not be saved: %1
The card's score and the log are unchanged; the lesson goes on.</source>
        <translation>Die Eingabe konnte nicht gespeichert werden: %1
Die Bewertung der Karte und das Protokoll bleiben unverändert; die Lektion geht weiter.</translation>
    </message>
    <message>
        <source>Asked: answer to question</source>
        <translation>Abgefragt: Antwort zu Frage</translation>
    </message>
    <message>
        <source>Asked: both ways</source>
        <translation>Abgefragt: in beide Richtungen</translation>
    </message>
    <message>
        <source>Due today: %1</source>
        <translation>Heute fällig: %1</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Gesamt %1</translation>
    </message>
    <message>
        <source>Curr. bunch %1</source>
        <translation>Akt. Durchgang %1</translation>
    </message>
    <message>
        <source>Remains %1</source>
        <translation>Übrig %1</translation>
    </message>
    <message>
        <source>ORDER</source>
        <translation>REIHENFOLGE</translation>
    </message>
    <message>
        <source>NO order</source>
        <translation>KEINE Reihenfolge</translation>
    </message>
    <message numerus="yes">
        <source>%n Answers</source>
        <translation>
            <numerusform>%n Antwort</numerusform>
            <numerusform>%n Antworten</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot prepare the card order: %1</source>
        <translation>Die Reihenfolge der Karten kann nicht vorbereitet werden: %1</translation>
    </message>
    <message>
        <source>not in the answer</source>
        <translation>nicht in der Antwort</translation>
    </message>
    <message>
        <source>missing from your reply</source>
        <translation>fehlt in deiner Eingabe</translation>
    </message>
    <message>
        <source>typed in place of the answer's</source>
        <translation>statt der Zeichen der Antwort getippt</translation>
    </message>
    <message>
        <source>a blank</source>
        <translation>ein Leerzeichen</translation>
    </message>
    <message>
        <source>Your reply:</source>
        <translation>Deine Eingabe:</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>Antwort:</translation>
    </message>
    <message>
        <source>The settings row Fields1 is missing</source>
        <translation>Die Einstellungszeile Fields1 fehlt</translation>
    </message>
    <message>
        <source>the computer's clock says it is %1, not a day from %2 to %3 as a log row needs; set the clock.</source>
        <translation>die Uhr des Rechners zeigt %1 und keinen Tag von %2 bis %3, wie ihn eine Protokollzeile braucht; stelle die Uhr.</translation>
    </message>
    <message>
        <source>the reply's log row is gone</source>
        <translation>die Protokollzeile der Eingabe ist nicht mehr da</translation>
    </message>
    <message>
        <source>The database could not be read or written: %1</source>
        <translation>Die Datenbank konnte nicht gelesen oder geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The set could not be loaded: %1</source>
        <translation>Der Kartensatz konnte nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>The current set has been reset. All questions of the set are available now.</source>
        <translation>Der aktuelle Kartensatz wurde zurückgesetzt. Alle Fragen des Kartensatzes sind jetzt wieder dabei.</translation>
    </message>
    <message>
        <source>No reply to take back yet</source>
        <translation>Noch keine Eingabe zum Zurücknehmen</translation>
    </message>
    <message>
        <source>The last reply was taken back; the next judged reply can be taken back</source>
        <translation>Die letzte Eingabe wurde zurückgenommen; die nächste bewertete Eingabe lässt sich wieder zurücknehmen</translation>
    </message>
    <message>
        <source>The reply is being stored</source>
        <translation>Die Eingabe wird gespeichert</translation>
    </message>
    <message>
        <source>Takes your last reply back and asks its question again</source>
        <translation>Nimmt deine letzte Eingabe zurück und stellt ihre Frage noch einmal</translation>
    </message>
    <message>
        <source>The reply could not be taken back: %1
The score, the log and the lesson are as they were.</source>
        <translation>Die Eingabe konnte nicht zurückgenommen werden: %1
Bewertung, Protokoll und Lektion sind unverändert.</translation>
    </message>
    <message>
        <source>The answer could not be saved.

%1</source>
        <translation>Die Antwort konnte nicht gespeichert werden.

%1</translation>
    </message>
    <message>
        <source>Are you sure you want to convert the current question into the multiple answer question?</source>
        <translation>Willst du die aktuelle Frage wirklich in eine Frage mit Mehrfachantwort umwandeln?</translation>
    </message>
    <message>
        <source>A card with several answers needs at least one answer, or it could never be answered right. Its answers were left as they were.</source>
        <translation>Eine Karte mit Mehrfachantwort braucht mindestens eine Antwort, sonst ließe sie sich nie richtig beantworten. Ihre Antworten bleiben, wie sie waren.</translation>
    </message>
    <message>
        <source>The answers could not be saved; the card keeps the answers it had.

%1</source>
        <translation>Die Antworten konnten nicht gespeichert werden; die Karte behält ihre bisherigen Antworten.

%1</translation>
    </message>
    <message>
        <source>This card has no answers yet: enter them on the Edit Set screen.</source>
        <translation>Diese Karte hat noch keine Antworten: Gib sie beim Bearbeiten des Kartensatzes ein.</translation>
    </message>
    <message>
        <source>The comparison of your replies could not be shown: %1</source>
        <translation>Der Vergleich deiner Eingaben kann nicht angezeigt werden: %1</translation>
    </message>
    <message>
        <source>The order is important</source>
        <translation>Die Reihenfolge ist wichtig</translation>
    </message>
    <message>
        <source>The order is NOT important</source>
        <translation>Die Reihenfolge ist NICHT wichtig</translation>
    </message>
    <message>
        <source>Display the number of answers with the question</source>
        <translation>Anzahl der Antworten mit der Frage anzeigen</translation>
    </message>
    <message>
        <source>DON'T display the number of answers with the question</source>
        <translation>Anzahl der Antworten NICHT mit der Frage anzeigen</translation>
    </message>
    <message>
        <source>Edit Set</source>
        <translation>Kartensatz bearbeiten</translation>
    </message>
    <message>
        <source>Change Set Name</source>
        <translation>Namen des Kartensatzes ändern</translation>
    </message>
    <message>
        <source>Create Set</source>
        <translation>Kartensatz anlegen</translation>
    </message>
    <message>
        <source>Learn Set</source>
        <translation>Kartensatz lernen</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Set list</source>
        <translation>Liste der Kartensätze</translation>
    </message>
    <message>
        <source>The set to learn or edit</source>
        <translation>Der Kartensatz zum Lernen oder Bearbeiten</translation>
    </message>
    <message>
        <source>Answers of the card</source>
        <translation>Antworten der Karte</translation>
    </message>
    <message>
        <source>One answer a row; Enter goes to the next</source>
        <translation>Eine Antwort pro Zeile; die Eingabetaste geht zur nächsten</translation>
    </message>
    <message>
        <source>Cards of the set</source>
        <translation>Karten des Kartensatzes</translation>
    </message>
    <message>
        <source>Question and answer of each card</source>
        <translation>Frage und Antwort jeder Karte</translation>
    </message>
    <message>
        <source>Answers you typed</source>
        <translation>Deine Eingaben</translation>
    </message>
    <message>
        <source>Name for the new set</source>
        <translation>Name für den neuen Kartensatz</translation>
    </message>
    <message>
        <source>New name for the set</source>
        <translation>Neuer Name für den Kartensatz</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Type the answer to the question, then press Enter</source>
        <translation>Tippe die Antwort auf die Frage und drücke dann die Eingabetaste</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Puts the question again</source>
        <translation>Stellt die Frage noch einmal</translation>
    </message>
    <message>
        <source>Demons</source>
        <translation>Dämonen</translation>
    </message>
    <message>
        <source>Back to the whole set</source>
        <translation>Zurück zum ganzen Kartensatz</translation>
    </message>
    <message>
        <source>The next question</source>
        <translation>Die nächste Frage</translation>
    </message>
    <message>
        <source>Check the answer</source>
        <translation>Die Antwort prüfen</translation>
    </message>
    <message>
        <source>Multiple Answers</source>
        <translation>Mehrfachantwort</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Correct.</source>
        <translation>Richtig.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <translation>Falsch.</translation>
    </message>
    <message>
        <source>Question: %1</source>
        <translation>Frage: %1</translation>
    </message>
    <message>
        <source>Something went wrong: %1</source>
        <translation>Etwas ist schiefgegangen: %1</translation>
    </message>
    <message>
        <source>Learn</source>
        <translation>Lernen</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Edit the set</source>
        <translation>Kartensatz bearbeiten</translation>
    </message>
    <message>
        <source>Rename the set</source>
        <translation>Kartensatz umbenennen</translation>
    </message>
    <message>
        <source>Create a new set</source>
        <translation>Neuen Kartensatz anlegen</translation>
    </message>
    <message>
        <source>delete the set</source>
        <translation>Kartensatz löschen</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Learn the whole set</source>
        <translation>Den ganzen Kartensatz lernen</translation>
    </message>
    <message>
        <source>Sond mode is on</source>
        <translation>Ton ist an</translation>
    </message>
    <message>
        <source>How the answer went</source>
        <translation>Wie die Antwort war</translation>
    </message>
    <message>
        <source>Learn Demons</source>
        <translation>Dämonen lernen</translation>
    </message>
    <message>
        <source>Kids mode</source>
        <translation>Kindermodus</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the card "%1"?</source>
        <translation>Willst du die Karte „%1“ wirklich löschen?</translation>
    </message>
    <message>
        <source>Choose a set in the list before typing its cards. The card was not saved.</source>
        <translation>Wähle einen Kartensatz in der Liste, bevor du seine Karten eintippst. Die Karte wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>The card could not be saved.

%1</source>
        <translation>Die Karte konnte nicht gespeichert werden.

%1</translation>
    </message>
    <message>
        <source>Set with the name specified already exists. Specify a different set name.</source>
        <translation>Ein Kartensatz mit diesem Namen existiert bereits. Gib einen anderen Namen an.</translation>
    </message>
    <message>
        <source>Enter the name of the new set</source>
        <translation>Gib den Namen des neuen Kartensatzes ein</translation>
    </message>
    <message>
        <source>You must enter the meaningful set name to create a new set</source>
        <translation>Um einen neuen Kartensatz anzulegen, musst du einen sinnvollen Namen eingeben</translation>
    </message>
    <message>
        <source>The set could not be created.</source>
        <translation>Der Kartensatz konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Enter the new set name</source>
        <translation>Gib den neuen Namen des Kartensatzes ein</translation>
    </message>
    <message>
        <source>The set could not be renamed.</source>
        <translation>Der Kartensatz konnte nicht umbenannt werden.</translation>
    </message>
    <message>
        <source>The sets could not be read.</source>
        <translation>Die Kartensätze konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the set?</source>
        <translation>Willst du den Kartensatz wirklich löschen?</translation>
    </message>
    <message>
        <source>The set could not be deleted; nothing was changed.</source>
        <translation>Der Kartensatz konnte nicht gelöscht werden; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The sets could not be removed.</source>
        <translation>Die Kartensätze konnten nicht entfernt werden.</translation>
    </message>
    <message>
        <source>The cards could not be removed.</source>
        <translation>Die Karten konnten nicht entfernt werden.</translation>
    </message>
    <message>
        <source>The placeholder card could not be added.</source>
        <translation>Die Platzhalterkarte konnte nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Back up now</source>
        <translation>Jetzt sichern</translation>
    </message>
    <message>
        <source>%1.

No backup was made of it. Choose File &gt; Restore from backup... to go back to a good backup; the file as it is now is kept.</source>
        <translation>%1.

Davon wurde keine Sicherung angelegt. Wähle Datei &gt; Aus Sicherung wiederherstellen..., um zu einer guten Sicherung zurückzukehren; die Datei, wie sie jetzt ist, bleibt erhalten.</translation>
    </message>
    <message>
        <source>A backup was written to "%1".</source>
        <translation>Eine Sicherung wurde in „%1“ geschrieben.</translation>
    </message>
    <message>
        <source>Direction...</source>
        <translation>Richtung...</translation>
    </message>
    <message>
        <source>The database could not be updated on closing: %1</source>
        <translation>Die Datenbank konnte beim Schließen nicht aktualisiert werden: %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>New set</source>
        <translation>Neuer Kartensatz</translation>
    </message>
    <message>
        <source>Edit set</source>
        <translation>Kartensatz bearbeiten</translation>
    </message>
    <message>
        <source>Edit set name</source>
        <translation>Namen des Kartensatzes ändern</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Show the Log</source>
        <translation>Protokoll anzeigen</translation>
    </message>
    <message>
        <source>Statistics...</source>
        <translation>Statistik...</translation>
    </message>
    <message>
        <source>Clean the Log</source>
        <translation>Protokoll bereinigen</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Export set as word list...</source>
        <translation>Kartensatz als Wortliste exportieren...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Import with log</source>
        <translation>Mit Protokoll importieren</translation>
    </message>
    <message>
        <source>Import without log</source>
        <translation>Ohne Protokoll importieren</translation>
    </message>
    <message>
        <source>Word list...</source>
        <translation>Wortliste...</translation>
    </message>
    <message>
        <source>&amp;Learn</source>
        <translation>&amp;Lernen</translation>
    </message>
    <message>
        <source>Arrange Demons</source>
        <translation>Dämonen ordnen</translation>
    </message>
    <message>
        <source>Undo last reply</source>
        <translation>Letzte Eingabe zurücknehmen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Delete set</source>
        <translation>Kartensatz löschen</translation>
    </message>
    <message>
        <source>Create Multiple Answer</source>
        <translation>Mehrfachantwort anlegen</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>Voice...</source>
        <translation>Stimme...</translation>
    </message>
    <message>
        <source>Judging</source>
        <translation>Auswertung</translation>
    </message>
    <message>
        <source>Ignore capitals</source>
        <translation>Groß- und Kleinschreibung ignorieren</translation>
    </message>
    <message>
        <source>Ignore extra blanks</source>
        <translation>Überzählige Leerzeichen ignorieren</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>&amp;Modus</translation>
    </message>
    <message>
        <source>Kids</source>
        <translation>Kinder</translation>
    </message>
    <message>
        <source>Academic</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Talking</source>
        <translation>Sprechen</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>Still</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>About Memorant</source>
        <translation>Über Memorant</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Anlegen</translation>
    </message>
    <message>
        <source>The order is not important</source>
        <translation>Die Reihenfolge ist nicht wichtig</translation>
    </message>
    <message>
        <source>Enter a  name for the new set</source>
        <translation>Gib einen Namen für den neuen Kartensatz ein</translation>
    </message>
    <message>
        <source>Select the set from list</source>
        <translation>Wähle den Kartensatz aus der Liste</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Enter the new name for the selected set</source>
        <translation>Gib den neuen Namen für den gewählten Kartensatz ein</translation>
    </message>
    <message>
        <source>The judging options could not be saved: %1</source>
        <translation>Die Einstellungen der Auswertung konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Language...</source>
        <translation>Sprache...</translation>
    </message>
    <message>
        <source>The log cannot be shown: %1</source>
        <translation>Das Protokoll kann nicht angezeigt werden: %1</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all the records from the Log?</source>
        <translation>Willst du wirklich alle Einträge aus dem Protokoll löschen?</translation>
    </message>
    <message>
        <source>The log could not be cleaned: %1</source>
        <translation>Das Protokoll konnte nicht geleert werden: %1</translation>
    </message>
    <message>
        <source>The statistics cannot be shown: %1</source>
        <translation>Die Statistik kann nicht angezeigt werden: %1</translation>
    </message>
    <message>
        <source>There is no set "%1" now: it was renamed or deleted.</source>
        <translation>Den Kartensatz „%1“ gibt es nicht mehr: Er wurde umbenannt oder gelöscht.</translation>
    </message>
    <message>
        <source>Restore from backup...</source>
        <translation>Aus Sicherung wiederherstellen...</translation>
    </message>
    <message>
        <source>Replies can be taken back on the learning screen only</source>
        <translation>Eingaben lassen sich nur auf dem Lernbildschirm zurücknehmen</translation>
    </message>
    <message>
        <source>To use the program in the Talking mode you need a working speech engine and sound output on your machine. The program will now be switched to the Silent mode.</source>
        <translation>Für den Modus Sprechen brauchst du auf deinem Rechner eine funktionierende Sprachausgabe und Tonausgabe. Das Programm wechselt jetzt in den Modus Still.</translation>
    </message>
</context>
<context>
    <name>GridMediaColumns</name>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Choose the card's picture</source>
        <translation>Bild der Karte wählen</translation>
    </message>
    <message>
        <source>Choose the card's sound</source>
        <translation>Ton der Karte wählen</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.gif *.webp *.svg);;All files (*)</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.gif *.webp *.svg);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.mp3 *.ogg *.oga *.opus);;All files (*)</source>
        <translation>Töne (*.wav *.mp3 *.ogg *.oga *.opus);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Show picture and sound columns</source>
        <translation>Bild- und Tonspalten anzeigen</translation>
    </message>
    <message>
        <source>No picture: double-click, drop or paste one</source>
        <translation>Kein Bild: doppelklicken, hineinziehen oder einfügen</translation>
    </message>
    <message>
        <source>No sound: double-click or drop one</source>
        <translation>Kein Ton: doppelklicken oder hineinziehen</translation>
    </message>
    <message>
        <source>A sound: right-click to play or remove it</source>
        <translation>Ein Ton: Rechtsklick zum Abspielen oder Entfernen</translation>
    </message>
    <message>
        <source>A picture: right-click to change or remove it</source>
        <translation>Ein Bild: Rechtsklick zum Ändern oder Entfernen</translation>
    </message>
    <message>
        <source>"%1" cannot be read</source>
        <translation>„%1“ kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>"%1" is larger than 20 MB: too large for a card's picture or sound.</source>
        <translation>„%1“ ist größer als 20 MB: zu groß für das Bild oder den Ton einer Karte.</translation>
    </message>
    <message>
        <source>The clipboard holds no picture</source>
        <translation>Die Zwischenablage enthält kein Bild</translation>
    </message>
    <message>
        <source>This sound cannot be played</source>
        <translation>Dieser Ton kann nicht abgespielt werden</translation>
    </message>
    <message>
        <source>The sound cannot be played: %1</source>
        <translation>Der Ton kann nicht abgespielt werden: %1</translation>
    </message>
    <message>
        <source>Choose picture...</source>
        <translation>Bild wählen...</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>Bild einfügen</translation>
    </message>
    <message>
        <source>Remove picture</source>
        <translation>Bild entfernen</translation>
    </message>
    <message>
        <source>Choose sound...</source>
        <translation>Ton wählen...</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Ton abspielen</translation>
    </message>
    <message>
        <source>Remove sound</source>
        <translation>Ton entfernen</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>&lt;ul&gt;&lt;li&gt;pictures: %1&lt;/li&gt;&lt;li&gt;sounds: %2&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;ul&gt;&lt;li&gt;Bilder: %1&lt;/li&gt;&lt;li&gt;Töne: %2&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
</context>
<context>
    <name>LogWindow</name>
    <message>
        <source>Log</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Replies in the Log</source>
        <translation>Eingaben im Protokoll</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>SetName</source>
        <translation>Kartensatz</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>JudgedBy</source>
        <translation>Bewertet nach</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
</context>
<context>
    <name>LostEditsWindow</name>
    <message>
        <source>Edits that lost</source>
        <translation>Unterlegene Änderungen</translation>
    </message>
    <message>
        <source>Set name</source>
        <translation>Name des Kartensatzes</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>(deleted)</source>
        <translation>(gelöscht)</translation>
    </message>
    <message>
        <source>When two machines changed the same text before they synced, the later change was kept and the other is listed here. "Use this one" brings it back as a new change, which the other machines then receive.</source>
        <translation>Wenn zwei Rechner denselben Text geändert haben, bevor sie abgeglichen wurden, wurde die spätere Änderung behalten und die andere steht hier. „Diese verwenden“ holt sie als neue Änderung zurück, die dann die anderen Rechner erhalten.</translation>
    </message>
    <message>
        <source>Card or set</source>
        <translation>Karte oder Kartensatz</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Lost text</source>
        <translation>Unterlegener Text</translation>
    </message>
    <message>
        <source>Kept text</source>
        <translation>Behaltener Text</translation>
    </message>
    <message>
        <source>Lost on</source>
        <translation>Unterlegen auf</translation>
    </message>
    <message>
        <source>Kept from</source>
        <translation>Behalten von</translation>
    </message>
    <message>
        <source>No edit has lost to another machine's.</source>
        <translation>Keine Änderung ist der eines anderen Rechners unterlegen.</translation>
    </message>
    <message>
        <source>Use this one</source>
        <translation>Diese verwenden</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Vergessen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Media</name>
    <message>
        <source>"%1" is no picture or sound that can be kept (PNG, JPEG, GIF, WebP or SVG; WAV, MP3, Ogg Vorbis or Opus).</source>
        <translation>"%1" ist kein Bild und kein Ton, der aufbewahrt werden kann (PNG, JPEG, GIF, WebP oder SVG; WAV, MP3, Ogg Vorbis oder Opus).</translation>
    </message>
    <message>
        <source>The picture "%1" is larger than 10 MB.</source>
        <translation>Das Bild "%1" ist größer als 10 MB.</translation>
    </message>
    <message>
        <source>The picture "%1" cannot be read: its header is damaged or cut short.</source>
        <translation>Das Bild "%1" kann nicht gelesen werden: Sein Kopf ist beschädigt oder abgeschnitten.</translation>
    </message>
    <message>
        <source>The picture "%1" refers to other files or holds a script: only a self-contained SVG is kept.</source>
        <translation>Das Bild "%1" verweist auf andere Dateien oder enthält ein Skript: Nur ein in sich geschlossenes SVG wird aufbewahrt.</translation>
    </message>
    <message>
        <source>The picture "%1" is %2 × %3 px: more than %4 px on a side.</source>
        <translation>Das Bild "%1" ist %2 × %3 px groß: mehr als %4 px auf einer Seite.</translation>
    </message>
    <message>
        <source>The sound "%1" is larger than 20 MB.</source>
        <translation>Der Ton "%1" ist größer als 20 MB.</translation>
    </message>
    <message>
        <source>"%1" is a sound, not a picture</source>
        <translation>"%1" ist ein Ton, kein Bild</translation>
    </message>
    <message>
        <source>"%1" is a picture, not a sound</source>
        <translation>"%1" ist ein Bild, kein Ton</translation>
    </message>
</context>
<context>
    <name>RestoreWindow</name>
    <message>
        <source>unreadable</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>kept before a restore</source>
        <translation>vor einer Wiederherstellung aufbewahrt</translation>
    </message>
    <message>
        <source>damaged file, kept</source>
        <translation>beschädigte Datei, aufbewahrt</translation>
    </message>
    <message>
        <source>backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>the database as it was before the restore of %1</source>
        <translation>die Datenbank, wie sie vor der Wiederherstellung vom %1 war</translation>
    </message>
    <message>
        <source>the damaged file kept %1</source>
        <translation>die beschädigte Datei, aufbewahrt am %1</translation>
    </message>
    <message>
        <source>the backup taken %1</source>
        <translation>die Sicherung vom %1</translation>
    </message>
    <message>
        <source>Restore from backup</source>
        <translation>Aus Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Backups in %1, and the copies that earlier restores kept beside the database: restoring one of those undoes that restore.</source>
        <translation>Sicherungen in %1 und die Kopien, die frühere Wiederherstellungen neben der Datenbank aufbewahrt haben: Wer eine davon wiederherstellt, macht diese Wiederherstellung rückgängig.</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Angelegt</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Kartensätze</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Restore %1? The database as it is now is kept beside it as "%2".</source>
        <translation>Soll %1 wiederhergestellt werden? Die Datenbank, wie sie jetzt ist, wird daneben als „%2“ aufbewahrt.</translation>
    </message>
    <message>
        <source>%1 was restored. The previous database is kept as "%2".</source>
        <translation>%1 wurde wiederhergestellt. Die vorherige Datenbank ist als „%2“ aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>ReviewDialog</name>
    <message>
        <source>Review cards when they are due</source>
        <translation>Karten wiederholen, wenn sie fällig sind</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <source>Memorant works out from your replies how well you still remember each card. A card is due when the chance that you recall it has fallen below the recall you want. Learn &gt; Due cards asks the due cards of all sets.</source>
        <translation>Memorant ermittelt aus deinen Eingaben, wie gut du dich noch an jede Karte erinnerst. Eine Karte ist fällig, wenn die Wahrscheinlichkeit, dass du sie weißt, unter die gewünschte Behaltensquote gefallen ist. Lernen &gt; Fällige Karten fragt die fälligen Karten aller Kartensätze ab.</translation>
    </message>
    <message>
        <source>Recall wanted:</source>
        <translation>Gewünschte Behaltensquote:</translation>
    </message>
    <message>
        <source>No card has been answered yet: the reviews a day show here once there are replies.</source>
        <translation>Noch keine Karte wurde beantwortet: Die Wiederholungen pro Tag erscheinen hier, sobald es Eingaben gibt.</translation>
    </message>
    <message numerus="yes">
        <source>For the %n cards answered so far, about %1 reviews a day. More recall wanted means more reviews.</source>
        <translation>
            <numerusform>Für die bisher %n beantwortete Karte etwa %1 Wiederholungen am Tag. Eine höhere Behaltensquote bedeutet mehr Wiederholungen.</numerusform>
            <numerusform>Für die bisher %n beantworteten Karten etwa %1 Wiederholungen am Tag. Eine höhere Behaltensquote bedeutet mehr Wiederholungen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReviewMenu</name>
    <message>
        <source>Review...</source>
        <translation>Wiederholung...</translation>
    </message>
    <message>
        <source>Due cards</source>
        <translation>Fällige Karten</translation>
    </message>
    <message>
        <source>Learn the due cards</source>
        <translation>Fällige Karten lernen</translation>
    </message>
    <message>
        <source>The review settings cannot be read: %1</source>
        <translation>Die Einstellungen der Wiederholung können nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <source>The review settings could not be stored: %1
They are as they were.</source>
        <translation>Die Einstellungen der Wiederholung konnten nicht gespeichert werden: %1
Sie bleiben, wie sie waren.</translation>
    </message>
</context>
<context>
    <name>Sets</name>
    <message>
        <source>the set name was cut to %1 characters</source>
        <translation>der Name des Kartensatzes wurde auf %1 Zeichen gekürzt</translation>
    </message>
    <message numerus="yes">
        <source>%n set names were cut to %1 characters</source>
        <translation>
            <numerusform>%n Kartensatzname wurde auf %1 Zeichen gekürzt</numerusform>
            <numerusform>%n Kartensatznamen wurden auf %1 Zeichen gekürzt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>no audio output device was found</source>
        <translation>es wurde kein Audioausgabegerät gefunden</translation>
    </message>
    <message>
        <source>the audio output "%1" cannot play %2 Hz audio</source>
        <translation>die Audioausgabe "%1" kann kein Audio mit %2 Hz abspielen</translation>
    </message>
    <message>
        <source>the audio output "%1" could not be opened</source>
        <translation>die Audioausgabe "%1" konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the audio output "%1" stopped responding</source>
        <translation>die Audioausgabe "%1" reagiert nicht mehr</translation>
    </message>
    <message>
        <source>the audio output "%1" failed while playing</source>
        <translation>die Audioausgabe "%1" ist beim Abspielen ausgefallen</translation>
    </message>
    <message>
        <source>the espeak-ng speech engine could not be started (its voice data, espeak-ng-data, was not found)</source>
        <translation>die Sprachausgabe espeak-ng konnte nicht gestartet werden (ihre Stimmdaten, espeak-ng-data, wurden nicht gefunden)</translation>
    </message>
    <message>
        <source>espeak-ng has no English voice</source>
        <translation>espeak-ng hat keine englische Stimme</translation>
    </message>
    <message>
        <source>espeak-ng could not synthesise the text</source>
        <translation>espeak-ng konnte den Text nicht sprechen</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>%1.

No backup was made of it. Choose File &gt; Restore from backup... to go back to a good backup; the file as it is now is kept.</source>
        <translation>%1.

Es wurde keine Sicherung davon angelegt. Wähle Datei &gt; Aus Sicherung wiederherstellen..., um zu einer guten Sicherung zurückzukehren; die Datei, wie sie jetzt ist, wird aufbewahrt.</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>%1. You can go on learning; your work is saved in the database as always.</source>
        <translation>%1. Du kannst weiterlernen; deine Arbeit wird wie immer in der Datenbank gespeichert.</translation>
    </message>
    <message>
        <source>%1.

There is no backup in "%2" that passes the check. The file was left as it was.</source>
        <translation>%1.

In "%2" gibt es keine Sicherung, die die Prüfung besteht. Die Datei blieb, wie sie war.</translation>
    </message>
    <message>
        <source>%1.

Restore the newest good backup, taken %2? The damaged file is kept beside it, renamed.</source>
        <translation>%1.

Die neueste gute Sicherung vom %2 wiederherstellen? Die beschädigte Datei wird umbenannt daneben aufbewahrt.</translation>
    </message>
    <message>
        <source>%1. The file was left as it was.</source>
        <translation>%1. Die Datei blieb, wie sie war.</translation>
    </message>
    <message>
        <source>The backup taken %1 was restored. The damaged file is kept as "%2".</source>
        <translation>Die Sicherung vom %1 wurde wiederhergestellt. Die beschädigte Datei ist als "%2" aufbewahrt.</translation>
    </message>
    <message>
        <source>The database "%1" is missing, but copies of it lie beside it, newest first:
%2</source>
        <translation>Die Datenbank "%1" fehlt, aber neben ihr liegen Kopien, die neueste zuerst:
%2</translation>
    </message>
    <message>
        <source>Start Memorant in its window to finish the restore, open the newest copy or start a new database; or rename a copy to "%1".</source>
        <translation>Starte Memorant in seinem Fenster, um die Wiederherstellung abzuschließen, die neueste Kopie zu öffnen oder eine neue Datenbank zu beginnen; oder benenne eine Kopie in "%1" um.</translation>
    </message>
    <message>
        <source>Finish the restore that was interrupted, putting "%1" in place?</source>
        <translation>Die unterbrochene Wiederherstellung abschließen und "%1" an ihre Stelle setzen?</translation>
    </message>
    <message>
        <source>Open the newest good copy, "%1"? It is copied in place; the copies stay as they are.</source>
        <translation>Die neueste gute Kopie "%1" öffnen? Sie wird an ihre Stelle kopiert; die Kopien bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>Start a new database with the sample set? The copies stay as they are.</source>
        <translation>Eine neue Datenbank mit dem Beispiel-Kartensatz beginnen? Die Kopien bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Cannot make the data folder "%1"</source>
        <translation>Der Datenordner "%1" kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Files:</source>
        <translation>Dateien:</translation>
    </message>
    <message>
        <source>the database with --user-data</source>
        <translation>die Datenbank bei --user-data</translation>
    </message>
    <message>
        <source>(built into the program)</source>
        <translation>(im Programm eingebaut)</translation>
    </message>
    <message>
        <source>the help pages</source>
        <translation>die Hilfeseiten</translation>
    </message>
    <message>
        <source>your own sounds for Object 1 to Object 11, the first found</source>
        <translation>deine eigenen Töne für Object 1 bis Object 11, der zuerst gefundene gilt</translation>
    </message>
    <message>
        <source>Memorant cannot start: %1</source>
        <translation>Memorant kann nicht starten: %1</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>no replies yet</source>
        <translation>noch keine Eingaben</translation>
    </message>
    <message numerus="yes">
        <source>%1 – %2 (%n days)</source>
        <translation>
            <numerusform>%1 – %2 (%n Tag)</numerusform>
            <numerusform>%1 – %2 (%n Tage)</numerusform>
        </translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Letzte 30 Tage</translation>
    </message>
    <message>
        <source>Last 90 days</source>
        <translation>Letzte 90 Tage</translation>
    </message>
    <message>
        <source>Last 365 days</source>
        <translation>Letzte 365 Tage</translation>
    </message>
    <message>
        <source>All days</source>
        <translation>Alle Tage</translation>
    </message>
    <message>
        <source>All sets</source>
        <translation>Alle Kartensätze</translation>
    </message>
    <message>
        <source>Save chart as PNG...</source>
        <translation>Diagramm als PNG speichern...</translation>
    </message>
    <message>
        <source>Save numbers as CSV...</source>
        <translation>Zahlen als CSV speichern...</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Correct and wrong replies per day</source>
        <translation>Richtige und falsche Eingaben pro Tag</translation>
    </message>
    <message>
        <source>Share of correct replies</source>
        <translation>Anteil richtiger Eingaben</translation>
    </message>
    <message>
        <source>Replies in the last year</source>
        <translation>Eingaben im letzten Jahr</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Kartensatz</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>Answered</source>
        <translation>Beantwortet</translation>
    </message>
    <message>
        <source>Replies</source>
        <translation>Eingaben</translation>
    </message>
    <message>
        <source>Share correct</source>
        <translation>Anteil richtig</translation>
    </message>
    <message>
        <source>Mean rating</source>
        <translation>Mittlere Bewertung</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Kartensätze</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Hardest cards of the chosen set</source>
        <translation>Schwierigste Karten des gewählten Kartensatzes</translation>
    </message>
    <message>
        <source>Double-click a card to open it in its set</source>
        <translation>Doppelklicke auf eine Karte, um sie in ihrem Kartensatz zu öffnen</translation>
    </message>
    <message>
        <source>The statistics cannot be read: %1</source>
        <translation>Die Statistik kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Replies per day, %1</source>
        <translation>Eingaben pro Tag, %1</translation>
    </message>
    <message>
        <source>Share correct per day, %1</source>
        <translation>Anteil richtig pro Tag, %1</translation>
    </message>
    <message>
        <source>Replies per week, %1</source>
        <translation>Eingaben pro Woche, %1</translation>
    </message>
    <message>
        <source>Share correct per week, %1</source>
        <translation>Anteil richtig pro Woche, %1</translation>
    </message>
    <message numerus="yes">
        <source>Replies per %n days, %1</source>
        <translation>
            <numerusform>Eingaben pro %n Tag, %1</numerusform>
            <numerusform>Eingaben pro %n Tage, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Share correct per %n days, %1</source>
        <translation>
            <numerusform>Anteil richtig pro %n Tag, %1</numerusform>
            <numerusform>Anteil richtig pro %n Tage, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Current run: %n days learnt in a row</source>
        <translation>
            <numerusform>Aktuelle Lernserie: %n Tag in Folge gelernt</numerusform>
            <numerusform>Aktuelle Lernserie: %n Tage in Folge gelernt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Longest run this year: %n days</source>
        <translation>
            <numerusform>Längste Lernserie dieses Jahr: %n Tag</numerusform>
            <numerusform>Längste Lernserie dieses Jahr: %n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (answer to question)</source>
        <translation>%1 (Antwort zu Frage)</translation>
    </message>
    <message>
        <source>Save chart as PNG</source>
        <translation>Diagramm als PNG speichern</translation>
    </message>
    <message>
        <source>The chart could not be saved as "%1".</source>
        <translation>Das Diagramm konnte nicht als „%1“ gespeichert werden.</translation>
    </message>
    <message>
        <source>Save numbers as CSV</source>
        <translation>Zahlen als CSV speichern</translation>
    </message>
    <message>
        <source>The numbers could not be saved as "%1": %2</source>
        <translation>Die Zahlen konnten nicht als „%1“ gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>Stats</name>
    <message>
        <source>no date</source>
        <translation>kein Datum</translation>
    </message>
    <message>
        <source>among them %1</source>
        <translation>darunter %1</translation>
    </message>
    <message numerus="yes">
        <source>%n log rows are dated outside %1 to %2 and not shown (%3).</source>
        <translation>
            <numerusform>%n Protokollzeile ist außerhalb von %1 bis %2 datiert und wird nicht gezeigt (%3).</numerusform>
            <numerusform>%n Protokollzeilen sind außerhalb von %1 bis %2 datiert und werden nicht gezeigt (%3).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n log rows have no readable date and are not shown (%1).</source>
        <translation>
            <numerusform>%n Protokollzeile hat kein lesbares Datum und wird nicht gezeigt (%1).</numerusform>
            <numerusform>%n Protokollzeilen haben kein lesbares Datum und werden nicht gezeigt (%1).</numerusform>
        </translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Replies</source>
        <translation>Eingaben</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Share correct</source>
        <translation>Anteil richtig</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Kartensatz</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>Answered</source>
        <translation>Beantwortet</translation>
    </message>
    <message>
        <source>Mean rating</source>
        <translation>Mittlere Bewertung</translation>
    </message>
</context>
<context>
    <name>Sync</name>
    <message>
        <source>The database "%1" is gone: nothing was synced</source>
        <translation>Die Datenbank "%1" ist verschwunden: Nichts wurde abgeglichen</translation>
    </message>
    <message>
        <source>The database cannot be opened to sync: %1</source>
        <translation>Die Datenbank kann zum Abgleichen nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>a change is too long for a snapshot</source>
        <translation>eine Änderung ist zu lang für eine Momentaufnahme</translation>
    </message>
    <message>
        <source>The changes every machine has read stay in the sync folder, as they could not be folded: %1</source>
        <translation>Die Änderungen, die jeder Rechner gelesen hat, bleiben im Abgleichsordner, da sie nicht zusammengefasst werden konnten: %1</translation>
    </message>
    <message>
        <source>This is the folder of the database itself. A sync tool would copy the open database file, which can damage it on the other machine: choose an empty folder of its own.</source>
        <translation>Das ist der Ordner der Datenbank selbst. Ein Abgleichprogramm würde die offene Datenbankdatei kopieren, was sie auf dem anderen Rechner beschädigen kann: Wähle einen eigenen, leeren Ordner.</translation>
    </message>
    <message>
        <source>This folder lies inside the backups, where old backups are deleted: choose a folder of its own.</source>
        <translation>Dieser Ordner liegt bei den Sicherungen, wo alte Sicherungen gelöscht werden: Wähle einen eigenen Ordner.</translation>
    </message>
    <message>
        <source>Another set is named "%1" now</source>
        <translation>Ein anderer Kartensatz heißt jetzt "%1"</translation>
    </message>
    <message>
        <source>This edit is no longer kept</source>
        <translation>Diese Änderung wird nicht mehr aufbewahrt</translation>
    </message>
    <message>
        <source>The card is no longer here</source>
        <translation>Die Karte ist nicht mehr da</translation>
    </message>
    <message>
        <source>The set is no longer here</source>
        <translation>Der Kartensatz ist nicht mehr da</translation>
    </message>
    <message>
        <source>This edit cannot be brought back</source>
        <translation>Diese Änderung kann nicht zurückgeholt werden</translation>
    </message>
    <message>
        <source>A change file from %1 has been unreadable for %2 days ("%3"): what that machine changed after it waits. Let Memorant on %1 sync again; if the file stays unreadable, check the sync tool there.</source>
        <translation>Eine Änderungsdatei von %1 ist seit %2 Tagen unlesbar ("%3"): Was dieser Rechner danach geändert hat, wartet. Lass Memorant auf %1 noch einmal abgleichen; bleibt die Datei unlesbar, prüfe dort das Abgleichprogramm.</translation>
    </message>
    <message>
        <source>A picture or sound in the sync folder was not taken: %1</source>
        <translation>Ein Bild oder Ton im Abgleichsordner wurde nicht übernommen: %1</translation>
    </message>
    <message>
        <source>Another machine writes changes of a newer Memorant: update Memorant on this machine to receive them (they wait in the folder, nothing is lost)</source>
        <translation>Ein anderer Rechner schreibt Änderungen eines neueren Memorant: Aktualisiere Memorant auf diesem Rechner, um sie zu empfangen (sie warten im Ordner, nichts geht verloren)</translation>
    </message>
    <message>
        <source>1 picture or sound waits for the sync folder to bring it; it is named on its card once it has</source>
        <translation>1 Bild oder Ton wartet darauf, dass der Abgleichsordner es bringt; es wird auf seiner Karte genannt, sobald es da ist</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures or sounds wait for the sync folder to bring them; they are named on their cards once it has</source>
        <translation>
            <numerusform>%n Bild oder Ton wartet darauf, dass der Abgleichsordner es bringt; es wird auf seiner Karte genannt, sobald es da ist</numerusform>
            <numerusform>%n Bilder oder Töne warten darauf, dass der Abgleichsordner sie bringt; sie werden auf ihren Karten genannt, sobald sie da sind</numerusform>
        </translation>
    </message>
    <message>
        <source>No sync folder is set: name one with --folder DIR</source>
        <translation>Es ist kein Abgleichsordner festgelegt: Nenne einen mit --folder DIR</translation>
    </message>
    <message>
        <source>The sync folder "%1" does not exist</source>
        <translation>Der Abgleichsordner "%1" existiert nicht</translation>
    </message>
    <message>
        <source>The folder "%1" cannot be made</source>
        <translation>Der Ordner "%1" kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>This database was copied from another one, or brought back from a backup: it now syncs as a machine of its own</source>
        <translation>Diese Datenbank wurde von einer anderen kopiert oder aus einer Sicherung zurückgeholt: Sie gleicht jetzt als eigener Rechner ab</translation>
    </message>
    <message>
        <source>This machine's changes wait to be written: %1</source>
        <translation>Die Änderungen dieses Rechners warten darauf, geschrieben zu werden: %1</translation>
    </message>
    <message>
        <source>No machine named "%1" syncs with this one</source>
        <translation>Kein Rechner namens "%1" gleicht mit diesem ab</translation>
    </message>
    <message>
        <source>"%1" was seen %2 days ago: only a machine unseen for %3 days can be forgotten</source>
        <translation>"%1" wurde vor %2 Tagen gesehen: Nur ein Rechner, der %3 Tage nicht gesehen wurde, kann vergessen werden</translation>
    </message>
    <message>
        <source>the folder "%1" cannot be made</source>
        <translation>der Ordner "%1" kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>"%1" cannot be written (%2)</source>
        <translation>"%1" kann nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>"%1" could not be written whole (is the disk full?)</source>
        <translation>"%1" konnte nicht vollständig geschrieben werden (ist der Datenträger voll?)</translation>
    </message>
    <message>
        <source>"%1" cannot be replaced</source>
        <translation>"%1" kann nicht ersetzt werden</translation>
    </message>
    <message>
        <source>"%1" cannot be put in place</source>
        <translation>"%1" kann nicht an seinen Platz gebracht werden</translation>
    </message>
    <message>
        <source>Sync folder not reachable</source>
        <translation>Abgleichsordner nicht erreichbar</translation>
    </message>
    <message>
        <source>Waiting for another machine</source>
        <translation>Warte auf einen anderen Rechner</translation>
    </message>
    <message>
        <source>Waiting for %1</source>
        <translation>Warte auf %1</translation>
    </message>
    <message>
        <source>Synced with %1 %2 min ago</source>
        <translation>Mit %1 vor %2 min abgeglichen</translation>
    </message>
</context>
<context>
    <name>SyncFolderWindow</name>
    <message>
        <source>Sync folder</source>
        <translation>Abgleichsordner</translation>
    </message>
    <message>
        <source>%1 (this machine)</source>
        <translation>%1 (dieser Rechner)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Choose a folder that a sync tool keeps alike on all your machines: a Syncthing folder, a cloud folder (Nextcloud, Dropbox, OneDrive) or a network share. Memorant writes its changes into a folder "memorant-sync" inside it, never the database itself. Every machine chooses the same folder.</source>
        <translation>Wähle einen Ordner, den ein Abgleichprogramm auf all deinen Rechnern gleich hält: einen Syncthing-Ordner, einen Cloud-Ordner (Nextcloud, Dropbox, OneDrive) oder eine Netzwerkfreigabe. Memorant schreibt seine Änderungen in einen Ordner „memorant-sync“ darin, nie die Datenbank selbst. Jeder Rechner wählt denselben Ordner.</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Wählen...</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <source>This machine's name:</source>
        <translation>Name dieses Rechners:</translation>
    </message>
    <message>
        <source>Machines syncing through this folder</source>
        <translation>Rechner, die über diesen Ordner abgleichen</translation>
    </message>
    <message>
        <source>Machine</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>Letzte Änderung</translation>
    </message>
    <message>
        <source>Has read this machine's changes</source>
        <translation>Hat die Änderungen dieses Rechners gelesen</translation>
    </message>
    <message>
        <source>Machines syncing through this folder:</source>
        <translation>Rechner, die über diesen Ordner abgleichen:</translation>
    </message>
    <message>
        <source>Stop syncing</source>
        <translation>Abgleich beenden</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>"%1" is not a whole path: give the folder from its drive or root, or use Choose...</source>
        <translation>„%1“ ist kein vollständiger Pfad: Gib den Ordner ab seinem Laufwerk oder Stammverzeichnis an oder nutze Wählen...</translation>
    </message>
    <message>
        <source>"%1" is a file, not a folder: choose a folder.</source>
        <translation>„%1“ ist eine Datei, kein Ordner: Wähle einen Ordner.</translation>
    </message>
    <message>
        <source>The folder "%1" does not exist. Create it, or let the sync tool create it, and choose it again.</source>
        <translation>Der Ordner „%1“ existiert nicht. Lege ihn an oder lass ihn vom Abgleichprogramm anlegen und wähle ihn erneut.</translation>
    </message>
    <message>
        <source>%1

Use this folder anyway?</source>
        <translation>%1

Diesen Ordner trotzdem verwenden?</translation>
    </message>
    <message>
        <source>The sync folder could not be stored: %1</source>
        <translation>Der Abgleichsordner konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Stop syncing with this folder? Nothing is deleted there or here; changes made meanwhile are sent when you choose the folder again.</source>
        <translation>Den Abgleich mit diesem Ordner beenden? Weder dort noch hier wird etwas gelöscht; Änderungen aus der Zwischenzeit werden gesendet, wenn du den Ordner wieder wählst.</translation>
    </message>
    <message>
        <source>Syncing could not be stopped: %1</source>
        <translation>Der Abgleich konnte nicht beendet werden: %1</translation>
    </message>
</context>
<context>
    <name>SyncMenu</name>
    <message>
        <source>Sync</source>
        <translation>Abgleich</translation>
    </message>
    <message>
        <source>Sync folder...</source>
        <translation>Abgleichsordner...</translation>
    </message>
    <message>
        <source>Edits that lost...</source>
        <translation>Unterlegene Änderungen...</translation>
    </message>
    <message>
        <source>Click to open the Sync folder window</source>
        <translation>Klicken, um das Fenster „Abgleichsordner“ zu öffnen</translation>
    </message>
    <message>
        <source>The sync settings could not be read: %1</source>
        <translation>Die Abgleichseinstellungen konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The sync folder could not be stored: %1</source>
        <translation>Der Abgleichsordner konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Abgleich läuft...</translation>
    </message>
    <message>
        <source>; 1 edit lost to another machine's (File &gt; Sync &gt; Edits that lost...)</source>
        <translation>; 1 Änderung ist der eines anderen Rechners unterlegen (Datei &gt; Abgleich &gt; Unterlegene Änderungen...)</translation>
    </message>
    <message numerus="yes">
        <source>; %n edits lost to another machine's (File &gt; Sync &gt; Edits that lost...)</source>
        <translation>
            <numerusform>; %n Änderung ist der eines anderen Rechners unterlegen (Datei &gt; Abgleich &gt; Unterlegene Änderungen...)</numerusform>
            <numerusform>; %n Änderungen sind denen eines anderen Rechners unterlegen (Datei &gt; Abgleich &gt; Unterlegene Änderungen...)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncTakeIn</name>
    <message>
        <source>Changes from another machine could not be shown: %1</source>
        <translation>Änderungen von einem anderen Rechner konnten nicht angezeigt werden: %1</translation>
    </message>
    <message>
        <source>The set of this lesson was deleted on another machine. Choose another set to learn.</source>
        <translation>Der Kartensatz dieser Lektion wurde auf einem anderen Rechner gelöscht. Wähle einen anderen Kartensatz zum Lernen.</translation>
    </message>
    <message>
        <source>A reply cannot be taken back after another machine's changes came in</source>
        <translation>Eine Eingabe kann nicht zurückgenommen werden, nachdem Änderungen eines anderen Rechners eingetroffen sind</translation>
    </message>
    <message>
        <source>The card of this question was deleted on another machine.</source>
        <translation>Die Karte dieser Frage wurde auf einem anderen Rechner gelöscht.</translation>
    </message>
    <message>
        <source>No reply of this lesson to take back</source>
        <translation>Keine Eingabe dieser Lektion zum Zurücknehmen</translation>
    </message>
</context>
<context>
    <name>VoiceDialog</name>
    <message>
        <source>The voice cannot be tried: %1</source>
        <translation>Die Stimme kann nicht ausprobiert werden: %1</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Stimme</translation>
    </message>
    <message>
        <source>The set "%1" is no longer there: no voice was stored.</source>
        <translation>Den Kartensatz „%1“ gibt es nicht mehr: Es wurde keine Stimme gespeichert.</translation>
    </message>
    <message>
        <source>The voice "%1" could not be stored: %2</source>
        <translation>Die Stimme „%1“ konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>No speech voices were found on this machine: the espeak-ng voice data may be missing.</source>
        <translation>Auf diesem Rechner wurden keine Stimmen gefunden: Vielleicht fehlen die Stimmdaten von espeak-ng.</translation>
    </message>
    <message>
        <source>The voices cannot be shown: %1</source>
        <translation>Die Stimmen können nicht angezeigt werden: %1</translation>
    </message>
    <message>
        <source>Use this voice for all sets</source>
        <translation>Diese Stimme für alle Kartensätze verwenden</translation>
    </message>
    <message>
        <source>Try</source>
        <translation>Anhören</translation>
    </message>
    <message>
        <source>Voices</source>
        <translation>Stimmen</translation>
    </message>
    <message>
        <source>The voice the questions are spoken in:</source>
        <translation>Die Stimme, mit der die Fragen gesprochen werden:</translation>
    </message>
    <message>
        <source>The voice the questions of the set "%1" are spoken in:</source>
        <translation>Die Stimme, mit der die Fragen des Kartensatzes „%1“ gesprochen werden:</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>a text is longer than 1,000,000 characters</source>
        <translation>ein Text ist länger als 1.000.000 Zeichen</translation>
    </message>
    <message>
        <source>the reader could not be started</source>
        <translation>das Leseprogramm konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>this is not a text list (it holds a NUL character; a UTF-16 file needs its byte order mark or its encoding chosen)</source>
        <translation>dies ist keine Textliste (sie enthält ein NUL-Zeichen; eine UTF-16-Datei braucht ihre Byte-Order-Markierung, oder ihre Kodierung muss gewählt werden)</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>ein Feld in Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message numerus="yes">
        <source>%n texts held line breaks or control characters, which a word list cannot carry: each line break was written as a blank, the other characters left out.</source>
        <translation>
            <numerusform>%n Text enthielt Zeilenumbrüche oder Steuerzeichen, die eine Wortliste nicht aufnehmen kann: Jeder Zeilenumbruch wurde als Leerzeichen geschrieben, die anderen Zeichen weggelassen.</numerusform>
            <numerusform>%n Texte enthielten Zeilenumbrüche oder Steuerzeichen, die eine Wortliste nicht aufnehmen kann: Jeder Zeilenumbruch wurde als Leerzeichen geschrieben, die anderen Zeichen weggelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>A word list carries no pictures or sounds: 1 card was written without them (File &gt; Export or Export set as KVTML keeps them).</source>
        <translation>Eine Wortliste enthält keine Bilder oder Töne: 1 Karte wurde ohne sie geschrieben (Datei &gt; Exportieren oder Kartensatz als KVTML exportieren behält sie).</translation>
    </message>
    <message numerus="yes">
        <source>A word list carries no pictures or sounds: %n cards were written without them (File &gt; Export or Export set as KVTML keeps them).</source>
        <translation>
            <numerusform>Eine Wortliste enthält keine Bilder oder Töne: %n Karte wurde ohne sie geschrieben (Datei &gt; Exportieren oder Kartensatz als KVTML exportieren behält sie).</numerusform>
            <numerusform>Eine Wortliste enthält keine Bilder oder Töne: %n Karten wurden ohne sie geschrieben (Datei &gt; Exportieren oder Kartensatz als KVTML exportieren behält sie).</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no set named "%1".</source>
        <translation>Es gibt keinen Kartensatz namens "%1".</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The answers could not be read.</source>
        <translation>Die Antworten konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>die Datei kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>%1; choose the file's encoding.</source>
        <translation>%1; wähle die Kodierung der Datei.</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Zeile %1: %2.</translation>
    </message>
    <message>
        <source>this line holds a byte that is not UTF-8, though the rest of the file is UTF-8; choose the file's encoding; nothing was added</source>
        <translation>diese Zeile enthält ein Byte, das kein UTF-8 ist, obwohl der Rest der Datei UTF-8 ist; wähle die Kodierung der Datei; nichts wurde hinzugefügt</translation>
    </message>
    <message>
        <source>the question and the answer need two different columns</source>
        <translation>Frage und Antwort brauchen zwei verschiedene Spalten</translation>
    </message>
    <message>
        <source>the card could not be stored (%1)</source>
        <translation>die Karte konnte nicht gespeichert werden (%1)</translation>
    </message>
    <message>
        <source>the import was cancelled</source>
        <translation>der Import wurde abgebrochen</translation>
    </message>
    <message>
        <source>%1; nothing was added</source>
        <translation>%1; nichts wurde hinzugefügt</translation>
    </message>
    <message>
        <source>no row has both a question and an answer (%1 skipped); nothing was added</source>
        <translation>keine Zeile hat eine Frage und eine Antwort (%1 übersprungen); nichts wurde hinzugefügt</translation>
    </message>
    <message>
        <source>too few fields</source>
        <translation>zu wenige Felder</translation>
    </message>
    <message>
        <source>no question</source>
        <translation>keine Frage</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>the answer is the multiple-answer mark</source>
        <translation>die Antwort ist das Mehrfachantwort-Zeichen</translation>
    </message>
    <message>
        <source>line %1 (%2)</source>
        <translation>Zeile %1 (%2)</translation>
    </message>
</context>
<context>
    <name>WordListDialog</name>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Semicolon ;</source>
        <translation>Semikolon ;</translation>
    </message>
    <message>
        <source>Comma ,</source>
        <translation>Komma ,</translation>
    </message>
    <message>
        <source>Bar |</source>
        <translation>Senkrechter Strich |</translation>
    </message>
    <message>
        <source>Colon :</source>
        <translation>Doppelpunkt :</translation>
    </message>
    <message>
        <source>Import word list</source>
        <translation>Wortliste importieren</translation>
    </message>
    <message>
        <source>As detected: none (a stray byte)</source>
        <translation>Wie erkannt: keine (ein verirrtes Byte)</translation>
    </message>
    <message>
        <source>As detected: %1</source>
        <translation>Wie erkannt: %1</translation>
    </message>
    <message>
        <source>The first line names the columns</source>
        <translation>Die erste Zeile benennt die Spalten</translation>
    </message>
    <message>
        <source>Several answer fields make a multiple-answer card (the answer column and those after it)</source>
        <translation>Mehrere Antwortfelder ergeben eine Karte mit Mehrfachantwort (die Antwortspalte und die folgenden)</translation>
    </message>
    <message>
        <source>Encoding:</source>
        <translation>Kodierung:</translation>
    </message>
    <message>
        <source>Separator:</source>
        <translation>Trennzeichen:</translation>
    </message>
    <message>
        <source>Question column:</source>
        <translation>Fragenspalte:</translation>
    </message>
    <message>
        <source>Answer column:</source>
        <translation>Antwortspalte:</translation>
    </message>
    <message>
        <source>New set:</source>
        <translation>Neuer Kartensatz:</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Column %1: %2</source>
        <translation>Spalte %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1, read as %2. The whole file makes %n cards (%3 skipped).</source>
        <translation>
            <numerusform>%1, gelesen als %2. Die ganze Datei ergibt %n Karte (%3 übersprungen).</numerusform>
            <numerusform>%1, gelesen als %2. Die ganze Datei ergibt %n Karten (%3 übersprungen).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows</source>
        <translation>
            <numerusform>%n Zeile</numerusform>
            <numerusform>%n Zeilen</numerusform>
        </translation>
    </message>
    <message>
        <source> %1 is taken as the column names; untick "The first line names the columns" to keep it as a card.</source>
        <translation> %1 wird als Spaltennamen genommen; entferne das Häkchen bei „Die erste Zeile benennt die Spalten“, um sie als Karte zu behalten.</translation>
    </message>
    <message>
        <source> Choose two different columns for the question and the answer.</source>
        <translation> Wähle zwei verschiedene Spalten für Frage und Antwort.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>several answers</source>
        <translation>mehrere Antworten</translation>
    </message>
    <message>
        <source>skipped: %1</source>
        <translation>übersprungen: %1</translation>
    </message>
    <message>
        <source>That name is taken; the set will be called "%1".</source>
        <translation>Dieser Name ist vergeben; der Kartensatz wird „%1“ heißen.</translation>
    </message>
</context>
<context>
    <name>WordListMenu</name>
    <message>
        <source>Word lists (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Wortlisten (*.csv *.tsv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Import word list</source>
        <translation>Wortliste importieren</translation>
    </message>
    <message>
        <source>Export set as word list</source>
        <translation>Kartensatz als Wortliste exportieren</translation>
    </message>
    <message>
        <source>Tab-separated lists (*.tsv *.txt)</source>
        <translation>Tabulatorgetrennte Listen (*.tsv *.txt)</translation>
    </message>
    <message numerus="yes">
        <source>%n cards were imported from %1 into the new set "%2".</source>
        <translation>
            <numerusform>%n Karte wurde aus %1 in den neuen Kartensatz „%2“ importiert.</numerusform>
            <numerusform>%n Karten wurden aus %1 in den neuen Kartensatz „%2“ importiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n rows without a question or an answer were skipped.</source>
        <translation>
            <numerusform> %n Zeile ohne Frage oder Antwort wurde übersprungen.</numerusform>
            <numerusform> %n Zeilen ohne Frage oder Antwort wurden übersprungen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Importing %1...</source>
        <translation>%1 wird importiert...</translation>
    </message>
    <message>
        <source>%1: nothing was added (%2)</source>
        <translation>%1: Es wurde nichts hinzugefügt (%2)</translation>
    </message>
    <message>
        <source>1 card of the set "%1" was written to %2.</source>
        <translation>1 Karte des Kartensatzes „%1“ wurde nach %2 geschrieben.</translation>
    </message>
    <message numerus="yes">
        <source>%n cards of the set "%1" were written to %2.</source>
        <translation>
            <numerusform>%n Karte des Kartensatzes „%1“ wurde nach %2 geschrieben.</numerusform>
            <numerusform>%n Karten des Kartensatzes „%1“ wurden nach %2 geschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <source>The set could not be exported: %1</source>
        <translation>Der Kartensatz konnte nicht exportiert werden: %1</translation>
    </message>
    <message>
        <source>Choose the set to export in the set list first.</source>
        <translation>Wähle zuerst in der Liste der Kartensätze den Kartensatz, der exportiert werden soll.</translation>
    </message>
</context>
<context>
    <name>window::HelpWindow</name>
    <message>
        <source>Memorant Help</source>
        <translation>Memorant-Hilfe</translation>
    </message>
</context>
<context>
    <name>window::LanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The language of Memorant's windows on this computer:</source>
        <translation>Die Sprache der Fenster von Memorant auf diesem Computer:</translation>
    </message>
    <message>
        <source>Memorant speaks your system's language, %1.</source>
        <translation>Memorant spricht die Sprache deines Systems, %1.</translation>
    </message>
</context>
</TS>