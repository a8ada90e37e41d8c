<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutWindow</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Database: %1</source>
        <translation>Base de données : %1</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>the database cannot be read (%1)</source>
        <translation>la base de données ne peut pas être lue (%1)</translation>
    </message>
    <message>
        <source>"%1" was removed while it was written</source>
        <translation>"%1" a été supprimé pendant son écriture</translation>
    </message>
    <message>
        <source>writing "%1" failed (%2)</source>
        <translation>l'écriture de "%1" a échoué (%2)</translation>
    </message>
    <message>
        <source>"%1" could not be renamed to "%2"</source>
        <translation>"%1" n'a pas pu être renommé en "%2"</translation>
    </message>
    <message>
        <source>"%1" already exists</source>
        <translation>"%1" existe déjà</translation>
    </message>
    <message>
        <source>"%1" is being written by another backup</source>
        <translation>"%1" est en cours d'écriture par une autre sauvegarde</translation>
    </message>
    <message>
        <source>"%1" cannot be made</source>
        <translation>"%1" ne peut pas être créé</translation>
    </message>
    <message>
        <source>No backup of "%1" could be written to "%2": %3</source>
        <translation>Aucune sauvegarde de "%1" n'a pu être écrite dans "%2" : %3</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>le dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>"%1.partial" cannot be made</source>
        <translation>"%1.partial" ne peut pas être créé</translation>
    </message>
    <message>
        <source>it could not be copied to "%1"</source>
        <translation>elle n'a pas pu être copiée vers "%1"</translation>
    </message>
    <message>
        <source>its log could not be copied to "%1"</source>
        <translation>son journal n'a pas pu être copié vers "%1"</translation>
    </message>
    <message>
        <source>its log could not be folded in</source>
        <translation>son journal n'a pas pu être intégré</translation>
    </message>
    <message>
        <source>the copy "%1" fails the check (%2)</source>
        <translation>la copie "%1" échoue à la vérification (%2)</translation>
    </message>
    <message>
        <source>The backup "%1" cannot be restored: it fails the check (%2)</source>
        <translation>La sauvegarde "%1" ne peut pas être restaurée : elle échoue à la vérification (%2)</translation>
    </message>
    <message>
        <source>not a Memorant database</source>
        <translation>ce n'est pas une base de données Memorant</translation>
    </message>
    <message>
        <source>The backup "%1" could not be restored: %2. The database "%3" is as it was.</source>
        <translation>La sauvegarde "%1" n'a pas pu être restaurée : %2. La base de données "%3" est inchangée.</translation>
    </message>
    <message>
        <source>the log of the database could not be folded into it</source>
        <translation>le journal de la base de données n'a pas pu y être intégré</translation>
    </message>
    <message>
        <source>the log of the database could not be folded into it (%1)</source>
        <translation>le journal de la base de données n'a pas pu y être intégré (%1)</translation>
    </message>
    <message>
        <source>the database could not be kept as "%1"</source>
        <translation>la base de données n'a pas pu être conservée sous "%1"</translation>
    </message>
    <message>
        <source>"%1" could not be moved</source>
        <translation>"%1" n'a pas pu être déplacé</translation>
    </message>
    <message>
        <source>the copy could not be locked</source>
        <translation>la copie n'a pas pu être verrouillée</translation>
    </message>
    <message>
        <source>it could not be put in place</source>
        <translation>elle n'a pas pu être mise en place</translation>
    </message>
    <message>
        <source>The backup was restored, but reopening it failed: %1</source>
        <translation>La sauvegarde a été restaurée, mais sa réouverture a échoué : %1</translation>
    </message>
    <message>
        <source>"%1" exists</source>
        <translation>"%1" existe</translation>
    </message>
    <message>
        <source>"%1" could not be put in place of "%2": %3</source>
        <translation>"%1" n'a pas pu remplacer "%2" : %3</translation>
    </message>
</context>
<context>
    <name>CardMediaView</name>
    <message>
        <source>Play the card's sound again (F5)</source>
        <translation>Réécouter le son de la carte (F5)</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Écouter le son</translation>
    </message>
    <message>
        <source>This sound cannot be played</source>
        <translation>Ce son ne peut pas être lu</translation>
    </message>
    <message>
        <source>The sound cannot be played: %1</source>
        <translation>Le son ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>This picture cannot be shown</source>
        <translation>Cette image ne peut pas être affichée</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>--lang needs the code of a language: %1</source>
        <translation>--lang demande le code d'une langue : %1</translation>
    </message>
    <message>
        <source>Unknown language "%1": --lang takes one of %2</source>
        <translation>Langue inconnue "%1" : --lang accepte l'une de %2</translation>
    </message>
    <message>
        <source>--db and --user-data cannot be used together</source>
        <translation>--db et --user-data ne peuvent pas être utilisés ensemble</translation>
    </message>
    <message>
        <source>--db needs the path of the database file</source>
        <translation>--db demande le chemin du fichier de base de données</translation>
    </message>
    <message>
        <source>Unknown command "%1"</source>
        <translation>Commande inconnue "%1"</translation>
    </message>
    <message>
        <source>Unknown argument "%1"</source>
        <translation>Argument inconnu "%1"</translation>
    </message>
    <message>
        <source>Cannot open the database "%1": there is no such file</source>
        <translation>Impossible d'ouvrir la base de données "%1" : ce fichier n'existe pas</translation>
    </message>
    <message>
        <source>write a consistent copy now, to FILE or into backups/ beside the database</source>
        <translation>écrire maintenant une copie cohérente, dans FILE ou dans backups/ à côté de la base de données</translation>
    </message>
    <message>
        <source>check the database for damage (exit status 1 when damaged)</source>
        <translation>vérifier si la base de données est endommagée (code de sortie 1 si elle l'est)</translation>
    </message>
    <message>
        <source>backup takes at most one FILE</source>
        <translation>backup accepte au plus un FILE</translation>
    </message>
    <message>
        <source>No backup of "%1" was written: %2</source>
        <translation>Aucune sauvegarde de "%1" n'a été écrite : %2</translation>
    </message>
    <message>
        <source>Backup written to "%1"</source>
        <translation>Sauvegarde écrite dans "%1"</translation>
    </message>
    <message>
        <source>check takes no arguments</source>
        <translation>check n'accepte aucun argument</translation>
    </message>
    <message>
        <source>"%1" is not a Memorant database</source>
        <translation>"%1" n'est pas une base de données Memorant</translation>
    </message>
    <message>
        <source>The database "%1" is damaged</source>
        <translation>La base de données "%1" est endommagée</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <source>%1 takes one file; "%2" is one too many</source>
        <translation>%1 accepte un seul fichier ; "%2" est de trop</translation>
    </message>
    <message>
        <source>Usage: memorant [--db PATH] %1</source>
        <translation>Usage : memorant [--db PATH] %1</translation>
    </message>
    <message>
        <source>%1 needs the set's name and the file</source>
        <translation>%1 demande le nom de la série et le fichier</translation>
    </message>
    <message>
        <source>Importing... %1%</source>
        <translation>Importation... %1 %</translation>
    </message>
    <message>
        <source>%1: nothing was added (%2)</source>
        <translation>%1 : rien n'a été ajouté (%2)</translation>
    </message>
    <message>
        <source>Usage: memorant [--db PATH | --user-data]</source>
        <translation>Usage : memorant [--db PATH | --user-data]</translation>
    </message>
    <message>
        <source>the database file (default: VIze.mdb in the current folder);
a missing file is created with a sample set when the window opens;
commands never create one</source>
        <translation>le fichier de base de données (par défaut : VIze.mdb dans le
dossier courant) ; un fichier absent est créé avec une série
d'exemple à l'ouverture de la fenêtre ; les commandes n'en
créent jamais</translation>
    </message>
    <message>
        <source>the database VIze.mdb in your data folder (see Files below),
made on first start; the menu entry uses it</source>
        <translation>la base de données VIze.mdb dans votre dossier de données
(voir Fichiers plus bas), créée au premier lancement ; l'entrée
du menu l'utilise</translation>
    </message>
    <message>
        <source>the language of the texts for this run only: en, de, fr or es</source>
        <translation>la langue des textes pour cette exécution : en, de, fr ou es</translation>
    </message>
    <message>
        <source>print the version</source>
        <translation>afficher la version</translation>
    </message>
    <message>
        <source>print this text</source>
        <translation>afficher ce texte</translation>
    </message>
    <message>
        <source>Commands (they need no display):</source>
        <translation>Commandes (elles n'ont pas besoin d'écran) :</translation>
    </message>
    <message>
        <source>--set needs the name of the new set</source>
        <translation>--set demande le nom de la nouvelle série</translation>
    </message>
    <message>
        <source>add the cards of a KVTML file or an .apkg/.colpkg deck package</source>
        <translation>ajouter les cartes d'un fichier KVTML ou d'un paquet .apkg/.colpkg</translation>
    </message>
    <message>
        <source>write a set as a KVTML 2.0 file</source>
        <translation>écrire une série dans un fichier KVTML 2.0</translation>
    </message>
    <message>
        <source>import-deck needs the file to import</source>
        <translation>import-deck demande le fichier à importer</translation>
    </message>
    <message numerus="yes">
        <source>--set names one set, but %1 makes %n sets; nothing was added</source>
        <translation>
            <numerusform>--set nomme une série, mais %1 en donne %n ; rien n'a été ajouté</numerusform>
            <numerusform>--set nomme une série, mais %1 en donne %n ; rien n'a été ajouté</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: every question is the multiple-answer mark "Multi", which cannot be an answer; nothing was added</source>
        <translation>%1 : chaque question est la marque de réponses multiples "Multi", qui ne peut pas être une réponse ; rien n'a été ajouté</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n cards of the set "%1" to %2 (KVTML 2.0).</source>
        <translation>
            <numerusform>%n carte de la série "%1" exportée vers %2 (KVTML 2.0).</numerusform>
            <numerusform>%n cartes de la série "%1" exportées vers %2 (KVTML 2.0).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exported %n cards of the set "%1" to %2 (KVTML 2.0), their pictures and sounds to %3.</source>
        <translation>
            <numerusform>%n carte de la série "%1" exportée vers %2 (KVTML 2.0), ses images et sons vers %3.</numerusform>
            <numerusform>%n cartes de la série "%1" exportées vers %2 (KVTML 2.0), leurs images et sons vers %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>The set could not be read: %1</source>
        <translation>La série n'a pas pu être lue : %1</translation>
    </message>
    <message>
        <source>%1 (answer to question)</source>
        <translation>%1 (de la réponse à la question)</translation>
    </message>
    <message>
        <source>recall %1%</source>
        <translation>rappel %1 %</translation>
    </message>
    <message>
        <source>Nothing is due today.</source>
        <translation>Rien à réviser aujourd'hui.</translation>
    </message>
    <message numerus="yes">
        <source>%n cards due today.</source>
        <translation>
            <numerusform>%n carte à réviser aujourd'hui.</numerusform>
            <numerusform>%n cartes à réviser aujourd'hui.</numerusform>
        </translation>
    </message>
    <message>
        <source>due does not understand "%1"</source>
        <translation>due ne comprend pas "%1"</translation>
    </message>
    <message>
        <source>print the cards due for review today, or as CSV what the model of memory knows of every answered card</source>
        <translation>afficher les cartes à réviser aujourd'hui, ou en CSV ce que le modèle de mémoire sait de chaque carte déjà répondue</translation>
    </message>
    <message>
        <source>There is no set "%1"</source>
        <translation>Il n'y a pas de série "%1"</translation>
    </message>
    <message>
        <source>The log could not be read: %1</source>
        <translation>Le journal n'a pas pu être lu : %1</translation>
    </message>
    <message>
        <source>write the whole database to the exchange file FILE</source>
        <translation>écrire toute la base de données dans le fichier d'échange FILE</translation>
    </message>
    <message>
        <source>import needs exactly one FILE</source>
        <translation>import demande exactement un FILE</translation>
    </message>
    <message>
        <source>merge the exchange file FILE into the database (with its log rows)</source>
        <translation>fusionner le fichier d'échange FILE dans la base de données (avec ses lignes de journal)</translation>
    </message>
    <message>
        <source>export needs exactly one FILE</source>
        <translation>export demande exactement un FILE</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n records to %1, the answer lists of multiple-answer cards and what is asked answer to question to %2.</source>
        <translation>
            <numerusform>%n enregistrement exporté vers %1 ; les listes de réponses des cartes à réponses multiples et les cartes demandées de la réponse vers la question, vers %2.</numerusform>
            <numerusform>%n enregistrements exportés vers %1 ; les listes de réponses des cartes à réponses multiples et les cartes demandées de la réponse vers la question, vers %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exported %n records to %1, the answer lists of multiple-answer cards to %2.</source>
        <translation>
            <numerusform>%n enregistrement exporté vers %1 ; les listes de réponses des cartes à réponses multiples, vers %2.</numerusform>
            <numerusform>%n enregistrements exportés vers %1 ; les listes de réponses des cartes à réponses multiples, vers %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exported %n records to %1, what is asked answer to question to %2.</source>
        <translation>
            <numerusform>%n enregistrement exporté vers %1 ; les cartes demandées de la réponse vers la question, vers %2.</numerusform>
            <numerusform>%n enregistrements exportés vers %1 ; les cartes demandées de la réponse vers la question, vers %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exported %n records to %1.</source>
        <translation>
            <numerusform>%n enregistrement exporté vers %1.</numerusform>
            <numerusform>%n enregistrements exportés vers %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures and sounds to %1.</source>
        <translation>
            <numerusform>%n image ou son vers %1.</numerusform>
            <numerusform>%n images et sons vers %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sets</source>
        <translation>
            <numerusform>%n série</numerusform>
            <numerusform>%n séries</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cards</source>
        <translation>
            <numerusform>%n carte</numerusform>
            <numerusform>%n cartes</numerusform>
        </translation>
    </message>
    <message>
        <source>Imported %1: %2, %3, %4 added.</source>
        <translation>%1 importé : ajout de %2, %3, %4.</translation>
    </message>
    <message numerus="yes">
        <source>%n log rows</source>
        <translation>
            <numerusform>%n ligne de journal</numerusform>
            <numerusform>%n lignes de journal</numerusform>
        </translation>
    </message>
    <message>
        <source>Imported %1: %2, %3 added.</source>
        <translation>%1 importé : ajout de %2, %3.</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>À réviser</translation>
    </message>
    <message>
        <source>No card has been answered when due yet.</source>
        <translation>Aucune carte n'a encore été répondue à sa date de révision.</translation>
    </message>
    <message>
        <source>Answered right when due: %1% of %2 (aiming at %3%)</source>
        <translation>Bonnes réponses à la date de révision : %1 % sur %2 (objectif : %3 %)</translation>
    </message>
    <message>
        <source>stats does not understand "%1"</source>
        <translation>stats ne comprend pas "%1"</translation>
    </message>
    <message>
        <source>print the replies per day and per set, or with --forecast the cards coming due in the next 30 days, as text or CSV</source>
        <translation>afficher les saisies par jour et par série, ou avec --forecast les cartes à réviser dans les 30 prochains jours, en texte ou en CSV</translation>
    </message>
    <message>
        <source>--days needs a whole number of days from 1 to 100000, not "%1"</source>
        <translation>--days demande un nombre entier de jours de 1 à 100000, pas "%1"</translation>
    </message>
    <message>
        <source>There is no set "%1", and no log row names it</source>
        <translation>Il n'y a pas de série "%1", et aucune ligne du journal ne la nomme</translation>
    </message>
    <message>
        <source>, never seen: sync --forget "%1" stops waiting for it</source>
        <translation>, jamais vue : sync --forget "%1" cesse de l'attendre</translation>
    </message>
    <message numerus="yes">
        <source>, unseen for %n days: sync --forget "%1" stops waiting for it</source>
        <translation>
            <numerusform>, non vue depuis %n jour : sync --forget "%1" cesse de l'attendre</numerusform>
            <numerusform>, non vue depuis %n jours : sync --forget "%1" cesse de l'attendre</numerusform>
        </translation>
    </message>
    <message>
        <source>This database has never been synced</source>
        <translation>Cette base de données n'a jamais été synchronisée</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>%1 (this machine): last change %2, %3 change files written</source>
        <translation>%1 (cette machine) : dernière modification %2, %3 fichiers de modifications écrits</translation>
    </message>
    <message>
        <source>%1: last change %2, read %3 of %4 change files, has read %5 of this machine's %6%7</source>
        <translation>%1 : dernière modification %2, %3 fichiers de modifications lus sur %4, a lu %5 des %6 de cette machine%7</translation>
    </message>
    <message>
        <source>sync does not understand "%1"</source>
        <translation>sync ne comprend pas "%1"</translation>
    </message>
    <message>
        <source>send this machine's changes to a folder a sync tool keeps alike on every machine, and take the others' from it</source>
        <translation>envoyer les modifications de cette machine dans un dossier qu'un outil de synchronisation garde identique sur chaque machine, et y prendre celles des autres</translation>
    </message>
    <message>
        <source>Sync stopped: the folder is forgotten, nothing was deleted</source>
        <translation>Synchronisation arrêtée : le dossier est oublié, rien n'a été supprimé</translation>
    </message>
    <message>
        <source>"%1" is forgotten</source>
        <translation>"%1" est oubliée</translation>
    </message>
    <message>
        <source>No sync folder is set: name one with --folder DIR</source>
        <translation>Aucun dossier de synchronisation n'est défini : indiquez-en un avec --folder DIR</translation>
    </message>
    <message>
        <source>No backup could be taken before the first sync, so nothing was synced: %1</source>
        <translation>Aucune sauvegarde n'a pu être faite avant la première synchronisation, donc rien n'a été synchronisé : %1</translation>
    </message>
    <message>
        <source>joined %1 set(s) and %2 card(s) of this database with the same ones of another machine</source>
        <translation>%1 série(s) et %2 carte(s) de cette base de données réunies avec les mêmes d'une autre machine</translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) renamed with a number: another set had the name</source>
        <translation>
            <numerusform>%n série renommée avec un numéro : une autre série portait ce nom</numerusform>
            <numerusform>%n séries renommées avec un numéro : une autre série portait ce nom</numerusform>
        </translation>
    </message>
    <message>
        <source>--encoding takes utf-8, utf-16 or windows-1252</source>
        <translation>--encoding accepte utf-8, utf-16 ou windows-1252</translation>
    </message>
    <message>
        <source>--separator takes one character other than a quote, or "tab"; "%1" is none</source>
        <translation>--separator accepte un caractère autre qu'un guillemet, ou "tab" ; "%1" n'en est pas un</translation>
    </message>
    <message>
        <source>import-list needs the file to import</source>
        <translation>import-list demande le fichier à importer</translation>
    </message>
    <message>
        <source>--separator needs a character, or "tab"</source>
        <translation>--separator demande un caractère, ou "tab"</translation>
    </message>
    <message>
        <source>add a CSV or tab-separated word list as a new set</source>
        <translation>ajouter une liste de mots CSV ou séparée par des tabulations comme nouvelle série</translation>
    </message>
    <message>
        <source>write a set as a tab-separated word list</source>
        <translation>écrire une série comme liste de mots séparée par des tabulations</translation>
    </message>
    <message>
        <source>%1, line %2: this line holds a byte that is not UTF-8, though the rest of the file is UTF-8; nothing was added. Name the file's encoding with --encoding utf-8, utf-16 or windows-1252.</source>
        <translation>%1, ligne %2 : cette ligne contient un octet qui n'est pas de l'UTF-8, alors que le reste du fichier est en UTF-8 ; rien n'a été ajouté. Indiquez l'encodage du fichier avec --encoding utf-8, utf-16 ou windows-1252.</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n cards from %1 into the new set "%2"</source>
        <translation>
            <numerusform>%n carte importée depuis %1 dans la nouvelle série "%2"</numerusform>
            <numerusform>%n cartes importées depuis %1 dans la nouvelle série "%2"</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n rows skipped</source>
        <translation>
            <numerusform>; %n ligne ignorée</numerusform>
            <numerusform>; %n lignes ignorées</numerusform>
        </translation>
    </message>
    <message>
        <source>; %1 was taken as a header (--no-header keeps it as a card)</source>
        <translation>; %1 a été pris comme en-tête (--no-header le garde comme carte)</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n cards of the set "%1" to %2.</source>
        <translation>
            <numerusform>%n carte de la série "%1" exportée vers %2.</numerusform>
            <numerusform>%n cartes de la série "%1" exportées vers %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ComparisonWindow</name>
    <message>
        <source>Wrong!</source>
        <translation>Faux !</translation>
    </message>
    <message>
        <source>Please compare your answers with the correct ones</source>
        <translation>Comparez vos saisies avec les bonnes réponses</translation>
    </message>
    <message>
        <source>Correct Answer</source>
        <translation>Bonne réponse</translation>
    </message>
    <message>
        <source>Your Reply</source>
        <translation>Votre saisie</translation>
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
        <translation>Impossible d'ouvrir la base de données "%1" : %2</translation>
    </message>
    <message>
        <source>it could not be put in place</source>
        <translation>elle n'a pas pu être mise en place</translation>
    </message>
    <message>
        <source>it could not be created (%1)</source>
        <translation>elle n'a pas pu être créée (%1)</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n'est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>elle ne peut pas être lue (%1)</translation>
    </message>
    <message>
        <source>it is not a Memorant database (not an SQLite file)</source>
        <translation>ce n'est pas une base de données Memorant (pas un fichier SQLite)</translation>
    </message>
    <message>
        <source>it cannot be opened (%1)</source>
        <translation>elle ne peut pas être ouverte (%1)</translation>
    </message>
    <message>
        <source>it was made by a newer version of Memorant (schema version %1; this program knows %2)</source>
        <translation>elle a été créée par une version plus récente de Memorant (version de schéma %1 ; ce programme connaît la %2)</translation>
    </message>
    <message>
        <source>it is not a Memorant database (missing tables: %1)</source>
        <translation>ce n'est pas une base de données Memorant (tables manquantes : %1)</translation>
    </message>
    <message>
        <source>none, but no schema version</source>
        <translation>aucune, mais pas de version de schéma</translation>
    </message>
    <message>
        <source>it is damaged or not a database (%1)</source>
        <translation>elle est endommagée ou ce n'est pas une base de données (%1)</translation>
    </message>
    <message>
        <source>The folder "%1" is not writable: the database needs to write files beside it.</source>
        <translation>Le dossier "%1" n'est pas accessible en écriture : la base de données doit écrire des fichiers à côté d'elle.</translation>
    </message>
    <message>
        <source>its folder "%1" does not exist</source>
        <translation>son dossier "%1" n'existe pas</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n'existe pas</translation>
    </message>
    <message>
        <source>The database file "%1" is read-only.</source>
        <translation>Le fichier de base de données "%1" est en lecture seule.</translation>
    </message>
    <message>
        <source>Cannot open the database: %1</source>
        <translation>Impossible d'ouvrir la base de données : %1</translation>
    </message>
    <message>
        <source>The database "%1" is already open in another Memorant program. Close that one first.</source>
        <translation>La base de données "%1" est déjà ouverte dans un autre programme Memorant. Fermez d'abord celui-ci.</translation>
    </message>
    <message>
        <source>The lock file "%1" of the database "%2" cannot be replaced. Remove it by hand when no Memorant program is using the file.</source>
        <translation>Le fichier de verrou "%1" de la base de données "%2" ne peut pas être remplacé. Supprimez-le à la main quand aucun programme Memorant n'utilise le fichier.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be locked: "%2" is a folder, where its lock file belongs. Move that folder away.</source>
        <translation>La base de données "%1" ne peut pas être verrouillée : "%2" est un dossier, à l'endroit de son fichier de verrou. Déplacez ce dossier.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be locked: its lock file "%2" cannot be read (%3). Remove it when no Memorant program is using the file.</source>
        <translation>La base de données "%1" ne peut pas être verrouillée : son fichier de verrou "%2" ne peut pas être lu (%3). Supprimez-le quand aucun programme Memorant n'utilise le fichier.</translation>
    </message>
    <message>
        <source>The database "%1" is locked by a Memorant program on another computer, "%2" (lock file "%3"). Close it there; if it no longer runs, remove the lock file.</source>
        <translation>La base de données "%1" est verrouillée par un programme Memorant sur un autre ordinateur, "%2" (fichier de verrou "%3"). Fermez-le là-bas ; s'il ne tourne plus, supprimez le fichier de verrou.</translation>
    </message>
    <message>
        <source>The database "%1" cannot be locked for this program (lock file "%2").</source>
        <translation>La base de données "%1" ne peut pas être verrouillée pour ce programme (fichier de verrou "%2").</translation>
    </message>
    <message>
        <source>The database "%1" cannot be locked for this program: it cannot be opened for reading.</source>
        <translation>La base de données "%1" ne peut pas être verrouillée pour ce programme : elle ne peut pas être ouverte en lecture.</translation>
    </message>
    <message>
        <source>has no date</source>
        <translation>n'a pas de date</translation>
    </message>
    <message>
        <source>is dated "%1", which is not a real day</source>
        <translation>est datée du "%1", qui n'est pas un vrai jour</translation>
    </message>
    <message>
        <source>is dated %1, outside the days a log can hold (%2 to %3)</source>
        <translation>est datée du %1, hors des jours qu'un journal peut contenir (du %2 au %3)</translation>
    </message>
    <message>
        <source>%1; and %2 more</source>
        <translation>%1 ; et %2 de plus</translation>
    </message>
    <message>
        <source>1 card names a picture or sound that is not in the database "%1"; it is shown without it</source>
        <translation>1 carte nomme une image ou un son absent de la base de données "%1" ; elle est affichée sans</translation>
    </message>
    <message numerus="yes">
        <source>%n cards name a picture or sound that is not in the database "%1"; they are shown without it</source>
        <translation>
            <numerusform>%n carte nomme une image ou un son absent de la base de données "%1" ; elle est affichée sans</numerusform>
            <numerusform>%n cartes nomment une image ou un son absent de la base de données "%1" ; elles sont affichées sans</numerusform>
        </translation>
    </message>
    <message>
        <source>its first page does not hold a Memorant database header</source>
        <translation>sa première page ne contient pas d'en-tête de base de données Memorant</translation>
    </message>
    <message>
        <source>Cannot open the database "%1": it is damaged (%2)</source>
        <translation>Impossible d'ouvrir la base de données "%1" : elle est endommagée (%2)</translation>
    </message>
    <message>
        <source>There are no backups in "%1".
</source>
        <translation>Il n'y a aucune sauvegarde dans "%1".
</translation>
    </message>
    <message>
        <source>Backups in "%1", newest first:
</source>
        <translation>Sauvegardes dans "%1", la plus récente d'abord :
</translation>
    </message>
    <message>
        <source>  (damaged)</source>
        <translation>  (endommagée)</translation>
    </message>
    <message>
        <source>To restore one, start Memorant in its window: it offers the newest good backup, and File &gt; Restore from backup... lists them all.
</source>
        <translation>Pour en restaurer une, lancez Memorant dans sa fenêtre : il propose la sauvegarde intacte la plus récente, et Fichier &gt; Restaurer une sauvegarde... les liste toutes.
</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>un tube nommé</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>un fichier spécial</translation>
    </message>
    <message>
        <source>%1 is %2, not a regular file; Memorant reads regular files only.</source>
        <translation>%1 est %2, pas un fichier ordinaire ; Memorant ne lit que des fichiers ordinaires.</translation>
    </message>
    <message>
        <source>%1 is %2, not a regular file; Memorant writes regular files only.</source>
        <translation>%1 est %2, pas un fichier ordinaire ; Memorant n'écrit que des fichiers ordinaires.</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>elle ne peut pas être ouverte</translation>
    </message>
    <message>
        <source>Cannot start a transaction: %1</source>
        <translation>Impossible de commencer une transaction : %1</translation>
    </message>
    <message>
        <source>Cannot commit: %1</source>
        <translation>Impossible d'enregistrer les modifications : %1</translation>
    </message>
    <message>
        <source>line %1 holds a byte that is not UTF-8, though the rest of the file is UTF-8</source>
        <translation>la ligne %1 contient un octet qui n'est pas de l'UTF-8, alors que le reste du fichier est en UTF-8</translation>
    </message>
</context>
<context>
    <name>DeckDialog</name>
    <message>
        <source>Import cards from another trainer</source>
        <translation>Importer des cartes d'un autre logiciel d'apprentissage</translation>
    </message>
    <message numerus="yes">
        <source>%n new sets</source>
        <translation>
            <numerusform>%n nouvelle série</numerusform>
            <numerusform>%n nouvelles séries</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2) makes %n cards in %3:</source>
        <translation>
            <numerusform>%1 (%2) donne %n carte dans %3 :</numerusform>
            <numerusform>%1 (%2) donne %n cartes dans %3 :</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2) makes %n cards (with %3) in %4:</source>
        <translation>
            <numerusform>%1 (%2) donne %n carte (avec %3) dans %4 :</numerusform>
            <numerusform>%1 (%2) donne %n cartes (avec %3) dans %4 :</numerusform>
        </translation>
    </message>
    <message>
        <source>New set</source>
        <translation>Nouvelle série</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Cartes</translation>
    </message>
    <message>
        <source>The first cards of the chosen set:</source>
        <translation>Les premières cartes de la série choisie :</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Nothing is left out.</source>
        <translation>Rien n'est laissé de côté.</translation>
    </message>
    <message>
        <source>Left out: %1.</source>
        <translation>Laissé de côté : %1.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
</context>
<context>
    <name>DeckMenu</name>
    <message>
        <source>Import cards from another trainer</source>
        <translation>Importer des cartes d'un autre logiciel d'apprentissage</translation>
    </message>
    <message>
        <source>Vocabulary files and deck packages (*.kvtml *.apkg *.colpkg);;All files (*)</source>
        <translation>Fichiers de vocabulaire et paquets de cartes (*.kvtml *.apkg *.colpkg);;Tous les fichiers (*)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>The file's cards take pictures or sounds from outside its folder:
%1

Take them too? Without them the cards are imported all the same.</source>
        <translation>Les cartes du fichier prennent des images ou des sons hors de son dossier :
%1

Les prendre aussi ? Sans eux, les cartes sont importées tout de même.</translation>
    </message>
    <message>
        <source>Export set as KVTML</source>
        <translation>Exporter la série en KVTML</translation>
    </message>
    <message>
        <source>KVTML files (*.kvtml)</source>
        <translation>Fichiers KVTML (*.kvtml)</translation>
    </message>
    <message>
        <source>Cards from another trainer...</source>
        <translation>Cartes d'un autre logiciel d'apprentissage...</translation>
    </message>
    <message>
        <source>Export set as KVTML...</source>
        <translation>Exporter la série en KVTML...</translation>
    </message>
    <message numerus="yes">
        <source>%n cards of the set "%1" were written to %2 (KVTML 2.0), their pictures and sounds to %3.</source>
        <translation>
            <numerusform>%n carte de la série « %1 » a été écrite dans %2 (KVTML 2.0), ses images et sons dans %3.</numerusform>
            <numerusform>%n cartes de la série « %1 » ont été écrites dans %2 (KVTML 2.0), leurs images et sons dans %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cards of the set "%1" were written to %2 (KVTML 2.0).</source>
        <translation>
            <numerusform>%n carte de la série « %1 » a été écrite dans %2 (KVTML 2.0).</numerusform>
            <numerusform>%n cartes de la série « %1 » ont été écrites dans %2 (KVTML 2.0).</numerusform>
        </translation>
    </message>
    <message>
        <source>The set could not be exported: %1</source>
        <translation>La série n'a pas pu être exportée : %1</translation>
    </message>
</context>
<context>
    <name>Decks</name>
    <message numerus="yes">
        <source>%n not found</source>
        <translation>
            <numerusform>%n introuvable</numerusform>
            <numerusform>%n introuvables</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n outside the file's folder</source>
        <translation>
            <numerusform>%n hors du dossier du fichier</numerusform>
            <numerusform>%n hors du dossier du fichier</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n too large or unreadable</source>
        <translation>
            <numerusform>%n trop grand ou illisible</numerusform>
            <numerusform>%n trop grands ou illisibles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n beyond a card's first</source>
        <translation>
            <numerusform>%n au-delà du premier d'une carte</numerusform>
            <numerusform>%n au-delà du premier d'une carte</numerusform>
        </translation>
    </message>
    <message>
        <source>1 sound left out (%1)</source>
        <translation>1 son laissé de côté (%1)</translation>
    </message>
    <message numerus="yes">
        <source>%n sounds left out (%1)</source>
        <translation>
            <numerusform>%n son laissé de côté (%1)</numerusform>
            <numerusform>%n sons laissés de côté (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>1 picture left out (%1)</source>
        <translation>1 image laissée de côté (%1)</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures left out (%1)</source>
        <translation>
            <numerusform>%n image laissée de côté (%1)</numerusform>
            <numerusform>%n images laissées de côté (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>1 note without both a question and an answer skipped</source>
        <translation>1 note sans question et réponse ignorée</translation>
    </message>
    <message numerus="yes">
        <source>%n notes without both a question and an answer skipped</source>
        <translation>
            <numerusform>%n note sans question et réponse ignorée</numerusform>
            <numerusform>%n notes sans question et réponse ignorées</numerusform>
        </translation>
    </message>
    <message>
        <source>1 entry without both a question and an answer skipped</source>
        <translation>1 entrée sans question et réponse ignorée</translation>
    </message>
    <message numerus="yes">
        <source>%n entries without both a question and an answer skipped</source>
        <translation>
            <numerusform>%n entrée sans question et réponse ignorée</numerusform>
            <numerusform>%n entrées sans question et réponse ignorées</numerusform>
        </translation>
    </message>
    <message>
        <source>1 note whose answer is the multiple-answer mark "Multi" skipped</source>
        <translation>1 note dont la réponse est la marque de réponses multiples "Multi" ignorée</translation>
    </message>
    <message numerus="yes">
        <source>%n notes whose answer is the multiple-answer mark "Multi" skipped</source>
        <translation>
            <numerusform>%n note dont la réponse est la marque de réponses multiples "Multi" ignorée</numerusform>
            <numerusform>%n notes dont la réponse est la marque de réponses multiples "Multi" ignorées</numerusform>
        </translation>
    </message>
    <message>
        <source>1 entry whose answer is the multiple-answer mark "Multi" skipped</source>
        <translation>1 entrée dont la réponse est la marque de réponses multiples "Multi" ignorée</translation>
    </message>
    <message numerus="yes">
        <source>%n entries whose answer is the multiple-answer mark "Multi" skipped</source>
        <translation>
            <numerusform>%n entrée dont la réponse est la marque de réponses multiples "Multi" ignorée</numerusform>
            <numerusform>%n entrées dont la réponse est la marque de réponses multiples "Multi" ignorées</numerusform>
        </translation>
    </message>
    <message>
        <source>scheduling data not imported: the cards start as new cards</source>
        <translation>données de planification non importées : les cartes commencent comme nouvelles cartes</translation>
    </message>
    <message>
        <source>1 picture</source>
        <translation>1 image</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures</source>
        <translation>
            <numerusform>%n image</numerusform>
            <numerusform>%n images</numerusform>
        </translation>
    </message>
    <message>
        <source>1 sound</source>
        <translation>1 son</translation>
    </message>
    <message numerus="yes">
        <source>%n sounds</source>
        <translation>
            <numerusform>%n son</numerusform>
            <numerusform>%n sons</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1: the file cannot be read (%2)</source>
        <translation>%1 : le fichier ne peut pas être lu (%2)</translation>
    </message>
    <message>
        <source>%1: the file is too large for a vocabulary file; nothing was added</source>
        <translation>%1 : le fichier est trop grand pour un fichier de vocabulaire ; rien n'a été ajouté</translation>
    </message>
    <message>
        <source>%1: %2 Nothing was added.</source>
        <translation>%1 : %2 Rien n'a été ajouté.</translation>
    </message>
    <message>
        <source>%1: the import was cancelled; nothing was added</source>
        <translation>%1 : l'importation a été annulée ; rien n'a été ajouté</translation>
    </message>
    <message>
        <source>"%1" is a sound, not a picture.</source>
        <translation>"%1" est un son, pas une image.</translation>
    </message>
    <message>
        <source>"%1" is a picture, not a sound.</source>
        <translation>"%1" est une image, pas un son.</translation>
    </message>
    <message>
        <source>"%1" was left out: the cards' pictures and sounds together would pass %2 MB.</source>
        <translation>"%1" a été laissé de côté : les images et les sons des cartes dépasseraient ensemble %2 Mo.</translation>
    </message>
    <message>
        <source>Imported 1 card from %1 into the new set %2</source>
        <translation>1 carte importée de %1 dans la nouvelle série %2</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n cards from %1 into the new set %2</source>
        <translation>
            <numerusform>%n carte importée de %1 dans la nouvelle série %2</numerusform>
            <numerusform>%n cartes importées de %1 dans la nouvelle série %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Imported 1 card from %1 into %2 new sets (%3)</source>
        <translation>1 carte importée de %1 dans %2 nouvelles séries (%3)</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n cards from %1 into %2 new sets (%3)</source>
        <translation>
            <numerusform>%n carte importée de %1 dans %2 nouvelles séries (%3)</numerusform>
            <numerusform>%n cartes importées de %1 dans %2 nouvelles séries (%3)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, with %2</source>
        <translation>%1, avec %2</translation>
    </message>
    <message>
        <source>1 card with nothing but control characters as a question or an answer skipped</source>
        <translation>1 carte n'ayant que des caractères de contrôle comme question ou réponse ignorée</translation>
    </message>
    <message numerus="yes">
        <source>%n cards with nothing but control characters as a question or an answer skipped</source>
        <translation>
            <numerusform>%n carte n'ayant que des caractères de contrôle comme question ou réponse ignorée</numerusform>
            <numerusform>%n cartes n'ayant que des caractères de contrôle comme question ou réponse ignorées</numerusform>
        </translation>
    </message>
    <message>
        <source>"%1" cannot be read: it is not a regular file, or not readable.</source>
        <translation>"%1" ne peut pas être lu : ce n'est pas un fichier ordinaire, ou il n'est pas lisible.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>le dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>%1, line %2: %3; nothing was added</source>
        <translation>%1, ligne %2 : %3 ; rien n'a été ajouté</translation>
    </message>
    <message>
        <source>%1: %2; nothing was added</source>
        <translation>%1 : %2 ; rien n'a été ajouté</translation>
    </message>
    <message>
        <source>%1, which no vocabulary file needs</source>
        <translation>%1, ce dont aucun fichier de vocabulaire n'a besoin</translation>
    </message>
    <message>
        <source>the XML is not well-formed (%1)</source>
        <translation>le XML n'est pas bien formé (%1)</translation>
    </message>
    <message>
        <source>this is not a KVTML file</source>
        <translation>ce n'est pas un fichier KVTML</translation>
    </message>
    <message>
        <source>no word has a comment to ask it by (%1 skipped)</source>
        <translation>aucun mot n'a de commentaire par lequel le demander (%1 ignorés)</translation>
    </message>
    <message>
        <source>no entry holds both a question and an answer (%1 skipped)</source>
        <translation>aucune entrée ne contient à la fois une question et une réponse (%1 ignorées)</translation>
    </message>
    <message>
        <source>There is no set named "%1".</source>
        <translation>Il n'y a aucune série nommée "%1".</translation>
    </message>
    <message>
        <source>The answers could not be read.</source>
        <translation>Les réponses n'ont pas pu être lues.</translation>
    </message>
    <message>
        <source>its collection cannot be opened (%1)</source>
        <translation>sa collection ne peut pas être ouverte (%1)</translation>
    </message>
    <message>
        <source>its collection cannot be read safely here (Qt's SQLite driver is not the SQLite library Memorant was built with)</source>
        <translation>sa collection ne peut pas être lue sans risque ici (le pilote SQLite de Qt n'est pas la bibliothèque SQLite avec laquelle Memorant a été construit)</translation>
    </message>
    <message>
        <source>its collection cannot be read (%1)</source>
        <translation>sa collection ne peut pas être lue (%1)</translation>
    </message>
    <message>
        <source>collection</source>
        <translation>collection</translation>
    </message>
    <message>
        <source>its collection is not a deck package's (it holds the trigger "%1")</source>
        <translation>sa collection n'est pas celle d'un paquet de decks (elle contient le déclencheur "%1")</translation>
    </message>
    <message>
        <source>its collection is not a deck package's ("%1" is not a plain table)</source>
        <translation>sa collection n'est pas celle d'un paquet de decks ("%1" n'est pas une simple table)</translation>
    </message>
    <message>
        <source>its collection is not a deck package's (the table "%1" has computed columns)</source>
        <translation>sa collection n'est pas celle d'un paquet de decks (la table "%1" a des colonnes calculées)</translation>
    </message>
    <message>
        <source>its collection is damaged</source>
        <translation>sa collection est endommagée</translation>
    </message>
    <message>
        <source>reading its %1 took longer than %2, which no real deck needs</source>
        <translation>la lecture de la partie "%1" a pris plus de %2, ce dont aucun vrai deck n'a besoin</translation>
    </message>
    <message>
        <source>its %1 cannot be read (%2)</source>
        <translation>la partie "%1" ne peut pas être lue (%2)</translation>
    </message>
    <message>
        <source>%1 unpacks to far more than it holds packed, which no real deck does</source>
        <translation>%1 se décompresse en bien plus que sa taille compressée, ce que ne fait aucun vrai deck</translation>
    </message>
    <message>
        <source>its media list is damaged</source>
        <translation>sa liste de médias est endommagée</translation>
    </message>
    <message>
        <source>its media list cannot be read (not valid JSON)</source>
        <translation>sa liste de médias ne peut pas être lue (JSON non valide)</translation>
    </message>
    <message>
        <source>this is not a deck package (not a readable zip archive)</source>
        <translation>ce n'est pas un paquet de decks (pas une archive zip lisible)</translation>
    </message>
    <message>
        <source>its media list</source>
        <translation>la liste de médias</translation>
    </message>
    <message>
        <source>its media list is larger than any deck needs</source>
        <translation>sa liste de médias est plus grande qu'aucun deck n'en a besoin</translation>
    </message>
    <message>
        <source>its %1 cannot be read (not valid JSON)</source>
        <translation>la partie "%1" ne peut pas être lue (JSON non valide)</translation>
    </message>
    <message>
        <source>tables</source>
        <translation>tables</translation>
    </message>
    <message>
        <source>note types</source>
        <translation>types de notes</translation>
    </message>
    <message>
        <source>decks</source>
        <translation>decks</translation>
    </message>
    <message>
        <source>its collection holds no note types or decks</source>
        <translation>sa collection ne contient aucun type de notes ni aucun deck</translation>
    </message>
    <message>
        <source>cards</source>
        <translation>cartes</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>notes</translation>
    </message>
    <message>
        <source>deck package</source>
        <translation>paquet de decks</translation>
    </message>
    <message>
        <source>%1: no note holds both a question and an answer (%2 skipped); nothing was added</source>
        <translation>%1 : aucune note ne contient à la fois une question et une réponse (%2 ignorées) ; rien n'a été ajouté</translation>
    </message>
    <message>
        <source>its collection unpacks to far more than it holds packed (more than %1 bytes from %2), which no real deck does</source>
        <translation>sa collection se décompresse en bien plus que sa taille compressée (plus de %1 octets à partir de %2), ce que ne fait aucun vrai deck</translation>
    </message>
    <message>
        <source>its collection cannot be unpacked (%1)</source>
        <translation>sa collection ne peut pas être décompressée (%1)</translation>
    </message>
    <message>
        <source>this is not a deck package (not a readable zip archive: %1)</source>
        <translation>ce n'est pas un paquet de decks (pas une archive zip lisible : %1)</translation>
    </message>
    <message>
        <source>this zip archive holds no collection, so it is not a deck package</source>
        <translation>cette archive zip ne contient aucune collection, ce n'est donc pas un paquet de decks</translation>
    </message>
    <message>
        <source>its collection</source>
        <translation>la collection</translation>
    </message>
    <message>
        <source>no temporary file can be made in %1</source>
        <translation>aucun fichier temporaire ne peut être créé dans %1</translation>
    </message>
    <message>
        <source>no temporary file can be made (%1)</source>
        <translation>aucun fichier temporaire ne peut être créé (%1)</translation>
    </message>
    <message>
        <source>its unpacked collection was removed by another program</source>
        <translation>sa collection décompressée a été supprimée par un autre programme</translation>
    </message>
    <message>
        <source>a tag is longer than %1 KB</source>
        <translation>une balise dépasse %1 Ko</translation>
    </message>
    <message>
        <source>an element has more than %1 attributes</source>
        <translation>un élément a plus de %1 attributs</translation>
    </message>
    <message>
        <source>%1 is not validly compressed (%2)</source>
        <translation>%1 n'est pas compressé correctement (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be read from the archive</source>
        <translation>%1 ne peut pas être lu depuis l'archive</translation>
    </message>
    <message>
        <source>%1 cannot be read from the archive (%2)</source>
        <translation>%1 ne peut pas être lu depuis l'archive (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be unpacked</source>
        <translation>%1 ne peut pas être décompressé</translation>
    </message>
    <message>
        <source>the archive is damaged (%1)</source>
        <translation>l'archive est endommagée (%1)</translation>
    </message>
    <message>
        <source>%1 is cut short</source>
        <translation>%1 est tronqué</translation>
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
        <translation>Pause après une saisie juste</translation>
    </message>
    <message>
        <source>The pause after a correct reply, before the next question is put (Talking and Kids modes), in steps of %1 seconds:</source>
        <translation>La pause après une saisie juste, avant la question suivante (modes Parlé et Enfants), par pas de %1 secondes :</translation>
    </message>
    <message>
        <source>No pause</source>
        <translation>Pas de pause</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <source>The delay could not be saved: %1</source>
        <translation>La pause n'a pas pu être enregistrée : %1</translation>
    </message>
    <message>
        <source>The delay cannot be shown: %1</source>
        <translation>La pause ne peut pas être affichée : %1</translation>
    </message>
</context>
<context>
    <name>DemonsManager</name>
    <message>
        <source>The number of Demons must be a whole number from 0 to %1.</source>
        <translation>Le nombre de Démons doit être un nombre entier de 0 à %1.</translation>
    </message>
    <message>
        <source>The set could not be changed: %1</source>
        <translation>La série n'a pas pu être modifiée : %1</translation>
    </message>
    <message>
        <source>Demons Manager</source>
        <translation>Gestion des Démons</translation>
    </message>
    <message>
        <source>Select the sets you  want to be included in your Deamons set</source>
        <translation>Choisissez les séries à inclure dans vos Démons</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tout cocher</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Tout décocher</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Enter the number of cards you want to be in your Deamons sets</source>
        <translation>Saisissez le nombre de cartes de vos Démons</translation>
    </message>
    <message>
        <source>Sets in the Demons</source>
        <translation>Séries dans les Démons</translation>
    </message>
    <message>
        <source>Apply the chosen sets</source>
        <translation>Appliquer les séries choisies</translation>
    </message>
    <message>
        <source>Number of cards in the Demons sets</source>
        <translation>Nombre de cartes des Démons</translation>
    </message>
    <message>
        <source>Apply the number of cards</source>
        <translation>Appliquer le nombre de cartes</translation>
    </message>
    <message>
        <source>The Demons now:</source>
        <translation>Les Démons en ce moment :</translation>
    </message>
    <message>
        <source>SetName</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>%1 (answer to question)</source>
        <translation>%1 (de la réponse à la question)</translation>
    </message>
    <message>
        <source>The sets could not be changed: %1</source>
        <translation>Les séries n'ont pas pu être modifiées : %1</translation>
    </message>
    <message>
        <source>The number could not be saved: %1</source>
        <translation>Le nombre n'a pas pu être enregistré : %1</translation>
    </message>
    <message>
        <source>The Demons Manager cannot be opened: %1</source>
        <translation>La gestion des Démons ne peut pas être ouverte : %1</translation>
    </message>
</context>
<context>
    <name>DirectionDialog</name>
    <message>
        <source>Question to answer (show the question, type the answer)</source>
        <translation>De la question à la réponse (la question s'affiche, vous tapez la réponse)</translation>
    </message>
    <message>
        <source>Answer to question (show the answer, type the question)</source>
        <translation>De la réponse à la question (la réponse s'affiche, vous tapez la question)</translation>
    </message>
    <message>
        <source>Both ways (each card is asked twice a pass)</source>
        <translation>Dans les deux sens (chaque carte est posée deux fois par tour)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Sens</translation>
    </message>
    <message>
        <source>How the cards of the set "%1" are asked:</source>
        <translation>Comment les cartes de la série « %1 » sont posées :</translation>
    </message>
    <message>
        <source>Each way keeps its own rating, counts and Demons mark. Cards with multiple answers are always asked from the question to the answers.</source>
        <translation>Chaque sens garde sa propre note, ses propres compteurs et sa propre marque de Démon. Les cartes à réponses multiples sont toujours posées de la question vers les réponses.</translation>
    </message>
    <message>
        <source>The set's direction cannot be read: %1</source>
        <translation>Le sens de la série ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>Choose a set first: the direction is a set's own.</source>
        <translation>Choisissez d'abord une série : chaque série a son propre sens.</translation>
    </message>
    <message>
        <source>The set "%1" is no longer there.</source>
        <translation>La série « %1 » n'existe plus.</translation>
    </message>
    <message>
        <source>The direction could not be stored: %1
The set is asked as before.</source>
        <translation>Le sens n'a pas pu être enregistré : %1
La série est interrogée comme avant.</translation>
    </message>
</context>
<context>
    <name>DueCountDelegate</name>
    <message numerus="yes">
        <source>%n due</source>
        <translation>
            <numerusform>%n à réviser</numerusform>
            <numerusform>%n à réviser</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DueOutlookView</name>
    <message>
        <source>Due</source>
        <translation>À réviser</translation>
    </message>
    <message numerus="yes">
        <source>Cards due in the next %n days (today first)</source>
        <translation>
            <numerusform>Cartes à réviser sur %n jour (aujourd'hui d'abord)</numerusform>
            <numerusform>Cartes à réviser dans les %n prochains jours (aujourd'hui d'abord)</numerusform>
        </translation>
    </message>
    <message>
        <source>No card has been answered when due yet (recall wanted: %1%).</source>
        <translation>Aucune carte à réviser n'a encore reçu de réponse (mémorisation souhaitée : %1 %).</translation>
    </message>
    <message>
        <source>Answered right when due: %1% of %2 (recall wanted: %3%)</source>
        <translation>Réponses justes au moment de la révision : %1 % sur %2 (mémorisation souhaitée : %3 %)</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>The companion file "%1" cannot be imported: line %2 %3. Nothing was changed.</source>
        <translation>Le fichier compagnon "%1" ne peut pas être importé : la ligne %2 %3. Rien n'a été modifié.</translation>
    </message>
    <message>
        <source>holds "%1", but %2</source>
        <translation>contient "%1", mais %2</translation>
    </message>
    <message>
        <source>a value is needed</source>
        <translation>une valeur est requise</translation>
    </message>
    <message>
        <source>is missing: the file ends too early</source>
        <translation>manque : le fichier se termine trop tôt</translation>
    </message>
    <message>
        <source>holds "%1", but %2 has %3 values separated by tabs</source>
        <translation>contient "%1", mais %2 a %3 valeurs séparées par des tabulations</translation>
    </message>
    <message>
        <source>lists the set %1 again, which line %2 lists already</source>
        <translation>cite de nouveau la série %1, que la ligne %2 cite déjà</translation>
    </message>
    <message>
        <source>a line of set directions (set id, direction)</source>
        <translation>une ligne de directions de série (id de série, direction)</translation>
    </message>
    <message>
        <source>gives the set %1 the direction %2, but a direction is 0 (question to answer), 1 (answer to question) or 2 (both)</source>
        <translation>donne à la série %1 la direction %2, mais une direction vaut 0 (question vers réponse), 1 (réponse vers question) ou 2 (les deux)</translation>
    </message>
    <message>
        <source>lists the card %1 again, which line %2 lists already</source>
        <translation>cite de nouveau la carte %1, que la ligne %2 cite déjà</translation>
    </message>
    <message>
        <source>a line of reverse values (card id, Order, Rating, Correct, Incorrect, Demons)</source>
        <translation>une ligne de valeurs inverses (id de carte, Order, Rating, Correct, Incorrect, Demons)</translation>
    </message>
    <message>
        <source>lists the log row %1 again, which line %2 lists already</source>
        <translation>cite de nouveau la ligne de journal %1, que la ligne %2 cite déjà</translation>
    </message>
    <message>
        <source>the head of a section (its name and its number of lines)</source>
        <translation>l'en-tête d'une section (son nom et son nombre de lignes)</translation>
    </message>
    <message>
        <source>holds "%1", but there is no section "%2" (only "%3", "%4" and "%5")</source>
        <translation>contient "%1", mais il n'y a pas de section "%2" (seulement "%3", "%4" et "%5")</translation>
    </message>
    <message>
        <source>opens the section "%1" again, which line %2 opened already</source>
        <translation>ouvre de nouveau la section "%1", que la ligne %2 a déjà ouverte</translation>
    </message>
    <message>
        <source>holds a negative number of lines</source>
        <translation>contient un nombre de lignes négatif</translation>
    </message>
    <message>
        <source>The exchange file "%1" could not be written: %2. The file that was there before is unchanged.</source>
        <translation>Le fichier d'échange "%1" n'a pas pu être écrit : %2. Le fichier qui s'y trouvait avant est inchangé.</translation>
    </message>
    <message>
        <source>The exchange file "%1" cannot be read: %2.</source>
        <translation>Le fichier d'échange "%1" ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>The exchange file "%1" does not exist.</source>
        <translation>Le fichier d'échange "%1" n'existe pas.</translation>
    </message>
    <message>
        <source>holds a text of %1 characters, more than the %2 a text may have</source>
        <translation>contient un texte de %1 caractères, plus que les %2 permis</translation>
    </message>
    <message>
        <source>holds a NUL character, which no text may hold</source>
        <translation>contient un caractère NUL, qu'aucun texte ne peut contenir</translation>
    </message>
    <message numerus="yes">
        <source>%n texts held line breaks or control characters, which the exchange file cannot carry: each line break was written as a blank, the other characters left out.</source>
        <translation>
            <numerusform>%n texte contenait des sauts de ligne ou des caractères de contrôle, que le fichier d'échange ne peut pas porter : chaque saut de ligne a été écrit comme une espace, les autres caractères ont été omis.</numerusform>
            <numerusform>%n textes contenaient des sauts de ligne ou des caractères de contrôle, que le fichier d'échange ne peut pas porter : chaque saut de ligne a été écrit comme une espace, les autres caractères ont été omis.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n set names were longer than %1 characters and were written cut to that length.</source>
        <translation>
            <numerusform>%n nom de série dépassait %1 caractères et a été écrit coupé à cette longueur.</numerusform>
            <numerusform>%n noms de série dépassaient %1 caractères et ont été écrits coupés à cette longueur.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n log rows were left out: their dates are no day from %1 to %2, which an import would refuse.</source>
        <translation>
            <numerusform>%n ligne de journal a été omise : sa date n'est pas un jour du %1 au %2, ce qu'une importation refuserait.</numerusform>
            <numerusform>%n lignes de journal ont été omises : leurs dates ne sont pas des jours du %1 au %2, ce qu'une importation refuserait.</numerusform>
        </translation>
    </message>
    <message>
        <source>The database could not be exported: %1</source>
        <translation>La base de données n'a pas pu être exportée : %1</translation>
    </message>
    <message>
        <source>%1 and %2 came with the cards.</source>
        <translation>%1 et %2 sont arrivés avec les cartes.</translation>
    </message>
    <message>
        <source>1 picture</source>
        <translation>1 image</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures</source>
        <translation>
            <numerusform>%n image</numerusform>
            <numerusform>%n images</numerusform>
        </translation>
    </message>
    <message>
        <source>1 sound</source>
        <translation>1 son</translation>
    </message>
    <message numerus="yes">
        <source>%n sounds</source>
        <translation>
            <numerusform>%n son</numerusform>
            <numerusform>%n sons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n multiple-answer cards arrived without their answers; replies to them are judged wrong until their answers are entered.</source>
        <translation>
            <numerusform>%n carte à réponses multiples est arrivée sans ses réponses ; les saisies pour elle sont jugées fausses tant que ses réponses ne sont pas entrées.</numerusform>
            <numerusform>%n cartes à réponses multiples sont arrivées sans leurs réponses ; les saisies pour elles sont jugées fausses tant que leurs réponses ne sont pas entrées.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file "%1" is not an exchange file: it holds %2 lines, fewer than one block of %3. Nothing was changed.</source>
        <translation>Le fichier "%1" n'est pas un fichier d'échange : il contient %2 lignes, moins qu'un bloc de %3. Rien n'a été modifié.</translation>
    </message>
    <message>
        <source>The exchange file "%1" cannot be imported: its %2 lines are not whole records of %3 lines; the last record, from line %4, breaks off at line %2. The file was cut short, or lines were added or removed. Nothing was changed.</source>
        <translation>Le fichier d'échange "%1" ne peut pas être importé : ses %2 lignes ne forment pas des enregistrements complets de %3 lignes ; le dernier enregistrement, à partir de la ligne %4, s'interrompt à la ligne %2. Le fichier a été tronqué, ou des lignes ont été ajoutées ou supprimées. Rien n'a été modifié.</translation>
    </message>
    <message>
        <source>The exchange file "%1" cannot be imported: line %2 %3. Nothing was changed.</source>
        <translation>Le fichier d'échange "%1" ne peut pas être importé : la ligne %2 %3. Rien n'a été modifié.</translation>
    </message>
    <message>
        <source>holds the date of a log row, which %1; import without the log to leave the log out</source>
        <translation>contient la date d'une ligne de journal, qui %1 ; importez sans le journal pour le laisser de côté</translation>
    </message>
    <message>
        <source>The exchange file "%1" cannot be imported: none of its records is a card, a set, a relation or a log row (each has an id other than 0 in line 1, 14, 20 or 23 of its %2). Nothing was changed.</source>
        <translation>Le fichier d'échange "%1" ne peut pas être importé : aucun de ses enregistrements n'est une carte, une série, une relation ou une ligne de journal (chacun a un id autre que 0 à la ligne 1, 14, 20 ou 23 de ses %2). Rien n'a été modifié.</translation>
    </message>
    <message>
        <source>The exchange file "%1" cannot be imported: it holds more than one card with the id %2. Nothing was changed.</source>
        <translation>Le fichier d'échange "%1" ne peut pas être importé : il contient plus d'une carte avec l'id %2. Rien n'a été modifié.</translation>
    </message>
    <message>
        <source>The exchange file "%1" cannot be imported: it holds more than one set with the id %2. Nothing was changed.</source>
        <translation>Le fichier d'échange "%1" ne peut pas être importé : il contient plus d'une série avec l'id %2. Rien n'a été modifié.</translation>
    </message>
    <message>
        <source>The exchange file "%1" cannot be imported: it was cut short. Its last block of %2 lines, empty at the end of every export, holds data (line %3), and the companion file "%4" shows that the file is such an export. Nothing was changed.</source>
        <translation>Le fichier d'échange "%1" ne peut pas être importé : il a été tronqué. Son dernier bloc de %2 lignes, vide à la fin de chaque exportation, contient des données (ligne %3), et le fichier compagnon "%4" montre que le fichier est une telle exportation. Rien n'a été modifié.</translation>
    </message>
    <message>
        <source>The last %1 lines of "%2" held data (line %3); as in every exchange file, that last block was set aside and not imported.</source>
        <translation>Les %1 dernières lignes de "%2" contenaient des données (ligne %3) ; comme dans tout fichier d'échange, ce dernier bloc a été mis de côté et non importé.</translation>
    </message>
    <message>
        <source>The companion file "%1" was ignored: it belongs to another exchange file, so multiple-answer cards came without their answers, and every set, card and log row as asked question to answer.</source>
        <translation>Le fichier compagnon "%1" a été ignoré : il appartient à un autre fichier d'échange, les cartes à réponses multiples sont donc arrivées sans leurs réponses, et chaque série, carte et ligne de journal comme interrogée de la question vers la réponse.</translation>
    </message>
    <message>
        <source>The companion file "%1" was ignored: it belongs to another exchange file, so the cards came without their pictures and sounds.</source>
        <translation>Le fichier compagnon "%1" a été ignoré : il appartient à un autre fichier d'échange, les cartes sont donc arrivées sans leurs images ni leurs sons.</translation>
    </message>
    <message>
        <source>The exchange file "%1" could not be imported: %2. Nothing was changed.</source>
        <translation>Le fichier d'échange "%1" n'a pas pu être importé : %2. Rien n'a été modifié.</translation>
    </message>
    <message>
        <source>The companion file "%1" cannot be imported: %2. Nothing was changed.</source>
        <translation>Le fichier compagnon "%1" ne peut pas être importé : %2. Rien n'a été modifié.</translation>
    </message>
    <message>
        <source>it lacks "%1"</source>
        <translation>il lui manque "%1"</translation>
    </message>
    <message>
        <source>"%1" in it is larger than a card's file may be</source>
        <translation>"%1" qu'il contient est plus grand que ne peut l'être le fichier d'une carte</translation>
    </message>
    <message>
        <source>"%1" in it cannot be read</source>
        <translation>"%1" qu'il contient ne peut pas être lu</translation>
    </message>
    <message>
        <source>"%1" in it is damaged</source>
        <translation>"%1" qu'il contient est endommagé</translation>
    </message>
    <message>
        <source>The pictures and sounds could not be exported: %1</source>
        <translation>Les images et les sons n'ont pas pu être exportés : %1</translation>
    </message>
    <message>
        <source>its list of cards does not begin as it should</source>
        <translation>sa liste de cartes ne commence pas comme elle le devrait</translation>
    </message>
    <message>
        <source>it was written by a newer version of this program</source>
        <translation>il a été écrit par une version plus récente de ce programme</translation>
    </message>
    <message>
        <source>the file "%1" in it is not what its name says</source>
        <translation>le fichier "%1" qu'il contient n'est pas ce que dit son nom</translation>
    </message>
    <message>
        <source>The companion file "%1" cannot be written</source>
        <translation>Le fichier compagnon "%1" ne peut pas être écrit</translation>
    </message>
    <message>
        <source>The companion file "%1" cannot be written: %2</source>
        <translation>Le fichier compagnon "%1" ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>it is cut short or damaged (not a readable zip archive)</source>
        <translation>il est tronqué ou endommagé (pas une archive zip lisible)</translation>
    </message>
    <message>
        <source>line %1 of its list of cards is malformed</source>
        <translation>la ligne %1 de sa liste de cartes est mal formée</translation>
    </message>
    <message>
        <source>holds "%1", but the forms line needs a date format, a time format and a decimal separator, separated by tabs</source>
        <translation>contient "%1", mais la ligne des formats demande un format de date, un format d'heure et un séparateur décimal, séparés par des tabulations</translation>
    </message>
    <message>
        <source>holds "%1", but a version is a whole number from 1</source>
        <translation>contient "%1", mais une version est un nombre entier à partir de 1</translation>
    </message>
    <message>
        <source>says it is of version %1, but this program reads companions up to version %2: import it with a newer version of the program</source>
        <translation>indique la version %1, mais ce programme lit les fichiers compagnons jusqu'à la version %2 : importez-le avec une version plus récente du programme</translation>
    </message>
    <message>
        <source>holds a negative number of answers</source>
        <translation>contient un nombre de réponses négatif</translation>
    </message>
    <message>
        <source>The companion file "%1" cannot be imported: line %2 gives answers to the card %3, which is not a multiple-answer card in the exchange file. Nothing was changed.</source>
        <translation>Le fichier compagnon "%1" ne peut pas être importé : la ligne %2 donne des réponses à la carte %3, qui n'est pas une carte à réponses multiples dans le fichier d'échange. Rien n'a été modifié.</translation>
    </message>
    <message>
        <source>an id must be a whole number</source>
        <translation>un id doit être un nombre entier</translation>
    </message>
    <message>
        <source>it is neither True nor False</source>
        <translation>ce n'est ni True ni False</translation>
    </message>
    <message>
        <source>it is not a number</source>
        <translation>ce n'est pas un nombre</translation>
    </message>
    <message>
        <source>it is not a date</source>
        <translation>ce n'est pas une date</translation>
    </message>
</context>
<context>
    <name>ExchangeMenu</name>
    <message>
        <source>%v of %m records</source>
        <translation>%v enregistrements sur %m</translation>
    </message>
    <message>
        <source>Exporting the database...</source>
        <translation>Exportation de la base de données...</translation>
    </message>
    <message>
        <source>Export has been completed successfully. The file location is: %1.</source>
        <translation>L'exportation s'est terminée avec succès. Emplacement du fichier : %1.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importation...</translation>
    </message>
    <message>
        <source>Import has been completed successfully</source>
        <translation>L'importation s'est terminée avec succès</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>The Demons could not be marked: %1
The marks are as they were, and the lesson goes on as before.</source>
        <translation>Les Démons n'ont pas pu être marqués : %1
Les marques restent telles qu'elles étaient et la leçon continue comme avant.</translation>
    </message>
    <message>
        <source>The number of Demons stored in the database ("%1") is not a whole number, so no card was marked. Set it under Learn &gt; Demons &gt; Arrange Demons.</source>
        <translation>Le nombre de Démons enregistré dans la base de données (« %1 ») n'est pas un nombre entier : aucune carte n'a donc été marquée. Réglez-le dans Apprendre &gt; Démons &gt; Organiser les Démons.</translation>
    </message>
    <message>
        <source>No reply of this lesson to take back yet</source>
        <translation>Aucune saisie de cette leçon à annuler pour l'instant</translation>
    </message>
    <message>
        <source>The due cards could not be read: %1</source>
        <translation>Les cartes à réviser n'ont pas pu être lues : %1</translation>
    </message>
    <message>
        <source>Nothing is due today.</source>
        <translation>Rien à réviser aujourd'hui.</translation>
    </message>
    <message>
        <source>There are no records in this set.Populate the current set with records or select another set to learn.</source>
        <translation>Cette série ne contient aucune carte. Remplissez la série actuelle avec des cartes ou choisissez une autre série à apprendre.</translation>
    </message>
    <message>
        <source>A reply cannot be taken back after the end of a bunch: the cards were reordered</source>
        <translation>Une saisie ne peut pas être annulée après la fin d'un tour : les cartes ont été réordonnées</translation>
    </message>
    <message>
        <source>End of Set</source>
        <translation>Fin du tour</translation>
    </message>
    <message>
        <source>A reply cannot be taken back once the due cards are done</source>
        <translation>Une saisie ne peut plus être annulée une fois les cartes à réviser terminées</translation>
    </message>
    <message>
        <source>Nothing more is due today.</source>
        <translation>Plus rien à réviser aujourd'hui.</translation>
    </message>
    <message>
        <source>A reply cannot be taken back once the whole set is learnt</source>
        <translation>Une saisie ne peut plus être annulée une fois toute la série apprise</translation>
    </message>
    <message>
        <source>Congratulations! You've successfully learn't the set. Choose another set to learn.</source>
        <translation>Félicitations ! Vous avez appris la série avec succès. Choisissez une autre série à apprendre.</translation>
    </message>
    <message>
        <source>Correct answer is: %1</source>
        <translation>La bonne réponse est : %1</translation>
    </message>
    <message>
        <source>WRONG</source>
        <translation>FAUX</translation>
    </message>
    <message>
        <source>The reply could not be saved: %1
The card's score and the log are unchanged; the lesson goes on.</source>
        <translation>La saisie n'a pas pu être enregistrée : %1
La note de la carte et le journal restent inchangés ; la leçon continue.</translation>
    </message>
    <message>
        <source>Asked: answer to question</source>
        <translation>Interrogation : de la réponse à la question</translation>
    </message>
    <message>
        <source>Asked: both ways</source>
        <translation>Interrogation : dans les deux sens</translation>
    </message>
    <message>
        <source>Due today: %1</source>
        <translation>À réviser aujourd'hui : %1</translation>
    </message>
    <message>
        <source>Total %1</source>
        <translation>Total %1</translation>
    </message>
    <message>
        <source>Curr. bunch %1</source>
        <translation>Tour actuel %1</translation>
    </message>
    <message>
        <source>Remains %1</source>
        <translation>Restant %1</translation>
    </message>
    <message>
        <source>ORDER</source>
        <translation>ORDRE</translation>
    </message>
    <message>
        <source>NO order</source>
        <translation>SANS ordre</translation>
    </message>
    <message numerus="yes">
        <source>%n Answers</source>
        <translation>
            <numerusform>%n réponse</numerusform>
            <numerusform>%n réponses</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot prepare the card order: %1</source>
        <translation>L'ordre des cartes ne peut pas être préparé : %1</translation>
    </message>
    <message>
        <source>not in the answer</source>
        <translation>absent de la réponse</translation>
    </message>
    <message>
        <source>missing from your reply</source>
        <translation>manque dans votre saisie</translation>
    </message>
    <message>
        <source>typed in place of the answer's</source>
        <translation>tapé à la place de ceux de la réponse</translation>
    </message>
    <message>
        <source>a blank</source>
        <translation>une espace</translation>
    </message>
    <message>
        <source>Your reply:</source>
        <translation>Votre saisie :</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>Réponse :</translation>
    </message>
    <message>
        <source>The settings row Fields1 is missing</source>
        <translation>La ligne de réglages Fields1 est absente</translation>
    </message>
    <message>
        <source>the computer's clock says it is %1, not a day from %2 to %3 as a log row needs; set the clock.</source>
        <translation>l'horloge de l'ordinateur indique %1, et non un jour du %2 au %3 comme l'exige une ligne du journal ; réglez l'horloge.</translation>
    </message>
    <message>
        <source>the reply's log row is gone</source>
        <translation>la ligne du journal de la saisie a disparu</translation>
    </message>
    <message>
        <source>The database could not be read or written: %1</source>
        <translation>La base de données n'a pas pu être lue ou écrite : %1</translation>
    </message>
    <message>
        <source>The set could not be loaded: %1</source>
        <translation>La série n'a pas pu être chargée : %1</translation>
    </message>
    <message>
        <source>The current set has been reset. All questions of the set are available now.</source>
        <translation>La série actuelle a été remise à zéro. Toutes les questions de la série sont de nouveau disponibles.</translation>
    </message>
    <message>
        <source>No reply to take back yet</source>
        <translation>Aucune saisie à annuler pour l'instant</translation>
    </message>
    <message>
        <source>The last reply was taken back; the next judged reply can be taken back</source>
        <translation>La dernière saisie a été annulée ; la prochaine saisie corrigée pourra être annulée</translation>
    </message>
    <message>
        <source>The reply is being stored</source>
        <translation>La saisie est en cours d'enregistrement</translation>
    </message>
    <message>
        <source>Takes your last reply back and asks its question again</source>
        <translation>Annule votre dernière saisie et repose sa question</translation>
    </message>
    <message>
        <source>The reply could not be taken back: %1
The score, the log and the lesson are as they were.</source>
        <translation>La saisie n'a pas pu être annulée : %1
La note, le journal et la leçon sont inchangés.</translation>
    </message>
    <message>
        <source>The answer could not be saved.

%1</source>
        <translation>La réponse n'a pas pu être enregistrée.

%1</translation>
    </message>
    <message>
        <source>Are you sure you want to convert the current question into the multiple answer question?</source>
        <translation>Voulez-vous vraiment transformer la question actuelle en question à réponses multiples ?</translation>
    </message>
    <message>
        <source>A card with several answers needs at least one answer, or it could never be answered right. Its answers were left as they were.</source>
        <translation>Une carte à réponses multiples a besoin d'au moins une réponse, sinon on ne pourrait jamais y répondre juste. Ses réponses restent telles qu'elles étaient.</translation>
    </message>
    <message>
        <source>The answers could not be saved; the card keeps the answers it had.

%1</source>
        <translation>Les réponses n'ont pas pu être enregistrées ; la carte garde les réponses qu'elle avait.

%1</translation>
    </message>
    <message>
        <source>This card has no answers yet: enter them on the Edit Set screen.</source>
        <translation>Cette carte n'a pas encore de réponses : saisissez-les dans l'écran de modification de la série.</translation>
    </message>
    <message>
        <source>The comparison of your replies could not be shown: %1</source>
        <translation>La comparaison de vos saisies ne peut pas être affichée : %1</translation>
    </message>
    <message>
        <source>The order is important</source>
        <translation>L'ordre est important</translation>
    </message>
    <message>
        <source>The order is NOT important</source>
        <translation>L'ordre n'est PAS important</translation>
    </message>
    <message>
        <source>Display the number of answers with the question</source>
        <translation>Afficher le nombre de réponses avec la question</translation>
    </message>
    <message>
        <source>DON'T display the number of answers with the question</source>
        <translation>NE PAS afficher le nombre de réponses avec la question</translation>
    </message>
    <message>
        <source>Edit Set</source>
        <translation>Modifier la série</translation>
    </message>
    <message>
        <source>Change Set Name</source>
        <translation>Modifier le nom de la série</translation>
    </message>
    <message>
        <source>Create Set</source>
        <translation>Créer une série</translation>
    </message>
    <message>
        <source>Learn Set</source>
        <translation>Apprendre la série</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Set list</source>
        <translation>Liste des séries</translation>
    </message>
    <message>
        <source>The set to learn or edit</source>
        <translation>La série à apprendre ou à modifier</translation>
    </message>
    <message>
        <source>Answers of the card</source>
        <translation>Réponses de la carte</translation>
    </message>
    <message>
        <source>One answer a row; Enter goes to the next</source>
        <translation>Une réponse par ligne ; Entrée passe à la suivante</translation>
    </message>
    <message>
        <source>Cards of the set</source>
        <translation>Cartes de la série</translation>
    </message>
    <message>
        <source>Question and answer of each card</source>
        <translation>Question et réponse de chaque carte</translation>
    </message>
    <message>
        <source>Answers you typed</source>
        <translation>Vos saisies</translation>
    </message>
    <message>
        <source>Name for the new set</source>
        <translation>Nom de la nouvelle série</translation>
    </message>
    <message>
        <source>New name for the set</source>
        <translation>Nouveau nom de la série</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Type the answer to the question, then press Enter</source>
        <translation>Tapez la réponse à la question, puis appuyez sur Entrée</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Puts the question again</source>
        <translation>Repose la question</translation>
    </message>
    <message>
        <source>Demons</source>
        <translation>Démons</translation>
    </message>
    <message>
        <source>Back to the whole set</source>
        <translation>Retour à toute la série</translation>
    </message>
    <message>
        <source>The next question</source>
        <translation>La question suivante</translation>
    </message>
    <message>
        <source>Check the answer</source>
        <translation>Vérifier la réponse</translation>
    </message>
    <message>
        <source>Multiple Answers</source>
        <translation>Réponses multiples</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Saisie</translation>
    </message>
    <message>
        <source>Correct.</source>
        <translation>Juste.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <translation>Faux.</translation>
    </message>
    <message>
        <source>Question: %1</source>
        <translation>Question : %1</translation>
    </message>
    <message>
        <source>Something went wrong: %1</source>
        <translation>Une erreur s'est produite : %1</translation>
    </message>
    <message>
        <source>Learn</source>
        <translation>Apprendre</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Edit the set</source>
        <translation>Modifier la série</translation>
    </message>
    <message>
        <source>Rename the set</source>
        <translation>Renommer la série</translation>
    </message>
    <message>
        <source>Create a new set</source>
        <translation>Créer une nouvelle série</translation>
    </message>
    <message>
        <source>delete the set</source>
        <translation>supprimer la série</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>Learn the whole set</source>
        <translation>Apprendre toute la série</translation>
    </message>
    <message>
        <source>Sond mode is on</source>
        <translation>Le son est activé</translation>
    </message>
    <message>
        <source>How the answer went</source>
        <translation>Résultat de la réponse</translation>
    </message>
    <message>
        <source>Learn Demons</source>
        <translation>Apprendre les Démons</translation>
    </message>
    <message>
        <source>Kids mode</source>
        <translation>Mode Enfants</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the card "%1"?</source>
        <translation>Voulez-vous vraiment supprimer la carte « %1 » ?</translation>
    </message>
    <message>
        <source>Choose a set in the list before typing its cards. The card was not saved.</source>
        <translation>Choisissez une série dans la liste avant de taper ses cartes. La carte n'a pas été enregistrée.</translation>
    </message>
    <message>
        <source>The card could not be saved.

%1</source>
        <translation>La carte n'a pas pu être enregistrée.

%1</translation>
    </message>
    <message>
        <source>Set with the name specified already exists. Specify a different set name.</source>
        <translation>Une série portant ce nom existe déjà. Indiquez un autre nom de série.</translation>
    </message>
    <message>
        <source>Enter the name of the new set</source>
        <translation>Saisissez le nom de la nouvelle série</translation>
    </message>
    <message>
        <source>You must enter the meaningful set name to create a new set</source>
        <translation>Pour créer une nouvelle série, vous devez saisir un nom de série valable</translation>
    </message>
    <message>
        <source>The set could not be created.</source>
        <translation>La série n'a pas pu être créée.</translation>
    </message>
    <message>
        <source>Enter the new set name</source>
        <translation>Saisissez le nouveau nom de la série</translation>
    </message>
    <message>
        <source>The set could not be renamed.</source>
        <translation>La série n'a pas pu être renommée.</translation>
    </message>
    <message>
        <source>The sets could not be read.</source>
        <translation>Les séries n'ont pas pu être lues.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the set?</source>
        <translation>Voulez-vous vraiment supprimer la série ?</translation>
    </message>
    <message>
        <source>The set could not be deleted; nothing was changed.</source>
        <translation>La série n'a pas pu être supprimée ; rien n'a été modifié.</translation>
    </message>
    <message>
        <source>The sets could not be removed.</source>
        <translation>Les séries n'ont pas pu être retirées.</translation>
    </message>
    <message>
        <source>The cards could not be removed.</source>
        <translation>Les cartes n'ont pas pu être retirées.</translation>
    </message>
    <message>
        <source>The placeholder card could not be added.</source>
        <translation>La carte provisoire n'a pas pu être ajoutée.</translation>
    </message>
    <message>
        <source>Back up now</source>
        <translation>Sauvegarder maintenant</translation>
    </message>
    <message>
        <source>%1.

No backup was made of it. Choose File &gt; Restore from backup... to go back to a good backup; the file as it is now is kept.</source>
        <translation>%1.

Aucune sauvegarde n'en a été faite. Choisissez Fichier &gt; Restaurer une sauvegarde... pour revenir à une bonne sauvegarde ; le fichier dans son état actuel est conservé.</translation>
    </message>
    <message>
        <source>A backup was written to "%1".</source>
        <translation>Une sauvegarde a été écrite dans « %1 ».</translation>
    </message>
    <message>
        <source>Direction...</source>
        <translation>Sens...</translation>
    </message>
    <message>
        <source>The database could not be updated on closing: %1</source>
        <translation>La base de données n'a pas pu être mise à jour à la fermeture : %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>New set</source>
        <translation>Nouvelle série</translation>
    </message>
    <message>
        <source>Edit set</source>
        <translation>Modifier la série</translation>
    </message>
    <message>
        <source>Edit set name</source>
        <translation>Modifier le nom de la série</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Show the Log</source>
        <translation>Afficher le journal</translation>
    </message>
    <message>
        <source>Statistics...</source>
        <translation>Statistiques...</translation>
    </message>
    <message>
        <source>Clean the Log</source>
        <translation>Nettoyer le journal</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Export set as word list...</source>
        <translation>Exporter la série en liste de mots...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Import with log</source>
        <translation>Importer avec le journal</translation>
    </message>
    <message>
        <source>Import without log</source>
        <translation>Importer sans le journal</translation>
    </message>
    <message>
        <source>Word list...</source>
        <translation>Liste de mots...</translation>
    </message>
    <message>
        <source>&amp;Learn</source>
        <translation>A&amp;pprendre</translation>
    </message>
    <message>
        <source>Arrange Demons</source>
        <translation>Organiser les Démons</translation>
    </message>
    <message>
        <source>Undo last reply</source>
        <translation>Annuler la dernière saisie</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Delete set</source>
        <translation>Supprimer la série</translation>
    </message>
    <message>
        <source>Create Multiple Answer</source>
        <translation>Créer des réponses multiples</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Délai</translation>
    </message>
    <message>
        <source>Voice...</source>
        <translation>Voix...</translation>
    </message>
    <message>
        <source>Judging</source>
        <translation>Correction</translation>
    </message>
    <message>
        <source>Ignore capitals</source>
        <translation>Ignorer les majuscules</translation>
    </message>
    <message>
        <source>Ignore extra blanks</source>
        <translation>Ignorer les espaces en trop</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>&amp;Mode</translation>
    </message>
    <message>
        <source>Kids</source>
        <translation>Enfants</translation>
    </message>
    <message>
        <source>Academic</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Talking</source>
        <translation>Parlé</translation>
    </message>
    <message>
        <source>Silent</source>
        <translation>Silencieux</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Tutoriel</translation>
    </message>
    <message>
        <source>About Memorant</source>
        <translation>À propos de Memorant</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>The order is not important</source>
        <translation>L'ordre n'est pas important</translation>
    </message>
    <message>
        <source>Enter a  name for the new set</source>
        <translation>Saisissez un nom pour la nouvelle série</translation>
    </message>
    <message>
        <source>Select the set from list</source>
        <translation>Choisissez la série dans la liste</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Juste</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Faux</translation>
    </message>
    <message>
        <source>Enter the new name for the selected set</source>
        <translation>Saisissez le nouveau nom de la série choisie</translation>
    </message>
    <message>
        <source>The judging options could not be saved: %1</source>
        <translation>Les options de correction n'ont pas pu être enregistrées : %1</translation>
    </message>
    <message>
        <source>Language...</source>
        <translation>Langue...</translation>
    </message>
    <message>
        <source>The log cannot be shown: %1</source>
        <translation>Le journal ne peut pas être affiché : %1</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all the records from the Log?</source>
        <translation>Voulez-vous vraiment supprimer toutes les entrées du journal ?</translation>
    </message>
    <message>
        <source>The log could not be cleaned: %1</source>
        <translation>Le journal n'a pas pu être vidé : %1</translation>
    </message>
    <message>
        <source>The statistics cannot be shown: %1</source>
        <translation>Les statistiques ne peuvent pas être affichées : %1</translation>
    </message>
    <message>
        <source>There is no set "%1" now: it was renamed or deleted.</source>
        <translation>La série « %1 » n'existe plus : elle a été renommée ou supprimée.</translation>
    </message>
    <message>
        <source>Restore from backup...</source>
        <translation>Restaurer une sauvegarde...</translation>
    </message>
    <message>
        <source>Replies can be taken back on the learning screen only</source>
        <translation>Les saisies ne peuvent être annulées que sur l'écran d'apprentissage</translation>
    </message>
    <message>
        <source>To use the program in the Talking mode you need a working speech engine and sound output on your machine. The program will now be switched to the Silent mode.</source>
        <translation>Pour utiliser le programme en mode Parlé, il faut un moteur de synthèse vocale et une sortie son en état de marche sur votre machine. Le programme passe maintenant en mode Silencieux.</translation>
    </message>
</context>
<context>
    <name>GridMediaColumns</name>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Choose the card's picture</source>
        <translation>Choisir l'image de la carte</translation>
    </message>
    <message>
        <source>Choose the card's sound</source>
        <translation>Choisir le son de la carte</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.gif *.webp *.svg);;All files (*)</source>
        <translation>Images (*.png *.jpg *.jpeg *.gif *.webp *.svg);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.mp3 *.ogg *.oga *.opus);;All files (*)</source>
        <translation>Sons (*.wav *.mp3 *.ogg *.oga *.opus);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Show picture and sound columns</source>
        <translation>Afficher les colonnes d'image et de son</translation>
    </message>
    <message>
        <source>No picture: double-click, drop or paste one</source>
        <translation>Pas d'image : double-cliquez, glissez-en une ou collez-en une</translation>
    </message>
    <message>
        <source>No sound: double-click or drop one</source>
        <translation>Pas de son : double-cliquez ou glissez-en un</translation>
    </message>
    <message>
        <source>A sound: right-click to play or remove it</source>
        <translation>Un son : clic droit pour l'écouter ou le retirer</translation>
    </message>
    <message>
        <source>A picture: right-click to change or remove it</source>
        <translation>Une image : clic droit pour la changer ou la retirer</translation>
    </message>
    <message>
        <source>"%1" cannot be read</source>
        <translation>« %1 » ne peut pas être lu</translation>
    </message>
    <message>
        <source>"%1" is larger than 20 MB: too large for a card's picture or sound.</source>
        <translation>« %1 » dépasse 20 Mo : trop gros pour l'image ou le son d'une carte.</translation>
    </message>
    <message>
        <source>The clipboard holds no picture</source>
        <translation>Le presse-papiers ne contient aucune image</translation>
    </message>
    <message>
        <source>This sound cannot be played</source>
        <translation>Ce son ne peut pas être lu</translation>
    </message>
    <message>
        <source>The sound cannot be played: %1</source>
        <translation>Le son ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>Choose picture...</source>
        <translation>Choisir une image...</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>Coller l'image</translation>
    </message>
    <message>
        <source>Remove picture</source>
        <translation>Retirer l'image</translation>
    </message>
    <message>
        <source>Choose sound...</source>
        <translation>Choisir un son...</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Écouter le son</translation>
    </message>
    <message>
        <source>Remove sound</source>
        <translation>Retirer le son</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>&lt;ul&gt;&lt;li&gt;pictures: %1&lt;/li&gt;&lt;li&gt;sounds: %2&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;ul&gt;&lt;li&gt;images : %1&lt;/li&gt;&lt;li&gt;sons : %2&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
</context>
<context>
    <name>LogWindow</name>
    <message>
        <source>Log</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Replies in the Log</source>
        <translation>Saisies du journal</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>SetName</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>JudgedBy</source>
        <translation>Accepté par</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Sens</translation>
    </message>
</context>
<context>
    <name>LostEditsWindow</name>
    <message>
        <source>Edits that lost</source>
        <translation>Modifications perdues</translation>
    </message>
    <message>
        <source>Set name</source>
        <translation>Nom de la série</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Réponses</translation>
    </message>
    <message>
        <source>(deleted)</source>
        <translation>(supprimé)</translation>
    </message>
    <message>
        <source>When two machines changed the same text before they synced, the later change was kept and the other is listed here. "Use this one" brings it back as a new change, which the other machines then receive.</source>
        <translation>Quand deux machines ont modifié le même texte avant de se synchroniser, la modification la plus récente a été gardée et l'autre est listée ici. « Utiliser celle-ci » la rétablit comme une nouvelle modification, que les autres machines reçoivent ensuite.</translation>
    </message>
    <message>
        <source>Card or set</source>
        <translation>Carte ou série</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Lost text</source>
        <translation>Texte perdu</translation>
    </message>
    <message>
        <source>Kept text</source>
        <translation>Texte gardé</translation>
    </message>
    <message>
        <source>Lost on</source>
        <translation>Perdu sur</translation>
    </message>
    <message>
        <source>Kept from</source>
        <translation>Gardé de</translation>
    </message>
    <message>
        <source>No edit has lost to another machine's.</source>
        <translation>Aucune modification n'a été perdue face à celle d'une autre machine.</translation>
    </message>
    <message>
        <source>Use this one</source>
        <translation>Utiliser celle-ci</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Oublier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Media</name>
    <message>
        <source>"%1" is no picture or sound that can be kept (PNG, JPEG, GIF, WebP or SVG; WAV, MP3, Ogg Vorbis or Opus).</source>
        <translation>"%1" n'est ni une image ni un son qui peut être conservé (PNG, JPEG, GIF, WebP ou SVG ; WAV, MP3, Ogg Vorbis ou Opus).</translation>
    </message>
    <message>
        <source>The picture "%1" is larger than 10 MB.</source>
        <translation>L'image "%1" dépasse 10 Mo.</translation>
    </message>
    <message>
        <source>The picture "%1" cannot be read: its header is damaged or cut short.</source>
        <translation>L'image "%1" ne peut pas être lue : son en-tête est endommagé ou tronqué.</translation>
    </message>
    <message>
        <source>The picture "%1" refers to other files or holds a script: only a self-contained SVG is kept.</source>
        <translation>L'image "%1" renvoie à d'autres fichiers ou contient un script : seul un SVG autonome est conservé.</translation>
    </message>
    <message>
        <source>The picture "%1" is %2 × %3 px: more than %4 px on a side.</source>
        <translation>L'image "%1" fait %2 × %3 px : plus de %4 px sur un côté.</translation>
    </message>
    <message>
        <source>The sound "%1" is larger than 20 MB.</source>
        <translation>Le son "%1" dépasse 20 Mo.</translation>
    </message>
    <message>
        <source>"%1" is a sound, not a picture</source>
        <translation>"%1" est un son, pas une image</translation>
    </message>
    <message>
        <source>"%1" is a picture, not a sound</source>
        <translation>"%1" est une image, pas un son</translation>
    </message>
</context>
<context>
    <name>RestoreWindow</name>
    <message>
        <source>unreadable</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>kept before a restore</source>
        <translation>conservé avant une restauration</translation>
    </message>
    <message>
        <source>damaged file, kept</source>
        <translation>fichier endommagé, conservé</translation>
    </message>
    <message>
        <source>backup</source>
        <translation>sauvegarde</translation>
    </message>
    <message>
        <source>the database as it was before the restore of %1</source>
        <translation>la base de données telle qu'elle était avant la restauration du %1</translation>
    </message>
    <message>
        <source>the damaged file kept %1</source>
        <translation>le fichier endommagé conservé le %1</translation>
    </message>
    <message>
        <source>the backup taken %1</source>
        <translation>la sauvegarde du %1</translation>
    </message>
    <message>
        <source>Restore from backup</source>
        <translation>Restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>Backups in %1, and the copies that earlier restores kept beside the database: restoring one of those undoes that restore.</source>
        <translation>Les sauvegardes de %1, et les copies que des restaurations antérieures ont conservées à côté de la base de données : restaurer l'une d'elles annule cette restauration.</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sauvegardes</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Cartes</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Séries</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Restore %1? The database as it is now is kept beside it as "%2".</source>
        <translation>Restaurer %1 ? La base de données dans son état actuel est conservée à côté sous le nom « %2 ».</translation>
    </message>
    <message>
        <source>%1 was restored. The previous database is kept as "%2".</source>
        <translation>Restauration faite : %1. La base de données précédente est conservée sous le nom « %2 ».</translation>
    </message>
</context>
<context>
    <name>ReviewDialog</name>
    <message>
        <source>Review cards when they are due</source>
        <translation>Réviser les cartes quand vient leur moment</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Révision</translation>
    </message>
    <message>
        <source>Memorant works out from your replies how well you still remember each card. A card is due when the chance that you recall it has fallen below the recall you want. Learn &gt; Due cards asks the due cards of all sets.</source>
        <translation>Memorant déduit de vos saisies dans quelle mesure vous vous souvenez encore de chaque carte. Une carte est à réviser quand la probabilité que vous vous en souveniez est tombée sous la mémorisation souhaitée. Apprendre &gt; Cartes à réviser interroge les cartes à réviser de toutes les séries.</translation>
    </message>
    <message>
        <source>Recall wanted:</source>
        <translation>Mémorisation souhaitée :</translation>
    </message>
    <message>
        <source>No card has been answered yet: the reviews a day show here once there are replies.</source>
        <translation>Aucune carte n'a encore reçu de réponse : les révisions par jour s'afficheront ici dès qu'il y aura des saisies.</translation>
    </message>
    <message numerus="yes">
        <source>For the %n cards answered so far, about %1 reviews a day. More recall wanted means more reviews.</source>
        <translation>
            <numerusform>Pour la %n carte ayant déjà reçu une réponse, environ %1 révisions par jour. Plus la mémorisation souhaitée est haute, plus il y a de révisions.</numerusform>
            <numerusform>Pour les %n cartes ayant déjà reçu une réponse, environ %1 révisions par jour. Plus la mémorisation souhaitée est haute, plus il y a de révisions.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReviewMenu</name>
    <message>
        <source>Review...</source>
        <translation>Révision...</translation>
    </message>
    <message>
        <source>Due cards</source>
        <translation>Cartes à réviser</translation>
    </message>
    <message>
        <source>Learn the due cards</source>
        <translation>Apprendre les cartes à réviser</translation>
    </message>
    <message>
        <source>The review settings cannot be read: %1</source>
        <translation>Les réglages de révision ne peuvent pas être lus : %1</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Révision</translation>
    </message>
    <message>
        <source>The review settings could not be stored: %1
They are as they were.</source>
        <translation>Les réglages de révision n'ont pas pu être enregistrés : %1
Ils restent inchangés.</translation>
    </message>
</context>
<context>
    <name>Sets</name>
    <message>
        <source>the set name was cut to %1 characters</source>
        <translation>le nom de la série a été coupé à %1 caractères</translation>
    </message>
    <message numerus="yes">
        <source>%n set names were cut to %1 characters</source>
        <translation>
            <numerusform>%n nom de série a été coupé à %1 caractères</numerusform>
            <numerusform>%n noms de série ont été coupés à %1 caractères</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>no audio output device was found</source>
        <translation>aucun périphérique de sortie audio n'a été trouvé</translation>
    </message>
    <message>
        <source>the audio output "%1" cannot play %2 Hz audio</source>
        <translation>la sortie audio "%1" ne peut pas lire de l'audio à %2 Hz</translation>
    </message>
    <message>
        <source>the audio output "%1" could not be opened</source>
        <translation>la sortie audio "%1" n'a pas pu être ouverte</translation>
    </message>
    <message>
        <source>the audio output "%1" stopped responding</source>
        <translation>la sortie audio "%1" ne répond plus</translation>
    </message>
    <message>
        <source>the audio output "%1" failed while playing</source>
        <translation>la sortie audio "%1" a échoué pendant la lecture</translation>
    </message>
    <message>
        <source>the espeak-ng speech engine could not be started (its voice data, espeak-ng-data, was not found)</source>
        <translation>le moteur vocal espeak-ng n'a pas pu être démarré (ses données de voix, espeak-ng-data, sont introuvables)</translation>
    </message>
    <message>
        <source>espeak-ng has no English voice</source>
        <translation>espeak-ng n'a pas de voix anglaise</translation>
    </message>
    <message>
        <source>espeak-ng could not synthesise the text</source>
        <translation>espeak-ng n'a pas pu synthétiser le texte</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>%1.

No backup was made of it. Choose File &gt; Restore from backup... to go back to a good backup; the file as it is now is kept.</source>
        <translation>%1.

Aucune sauvegarde n'en a été faite. Choisissez Fichier &gt; Restaurer une sauvegarde... pour revenir à une bonne sauvegarde ; le fichier dans son état actuel est conservé.</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>avertissement : %1</translation>
    </message>
    <message>
        <source>%1. You can go on learning; your work is saved in the database as always.</source>
        <translation>%1. Vous pouvez continuer à apprendre ; votre travail est enregistré dans la base de données comme toujours.</translation>
    </message>
    <message>
        <source>%1.

There is no backup in "%2" that passes the check. The file was left as it was.</source>
        <translation>%1.

Aucune sauvegarde dans "%2" ne passe la vérification. Le fichier a été laissé tel quel.</translation>
    </message>
    <message>
        <source>%1.

Restore the newest good backup, taken %2? The damaged file is kept beside it, renamed.</source>
        <translation>%1.

Restaurer la dernière bonne sauvegarde, faite le %2 ? Le fichier endommagé est conservé à côté, renommé.</translation>
    </message>
    <message>
        <source>%1. The file was left as it was.</source>
        <translation>%1. Le fichier a été laissé tel quel.</translation>
    </message>
    <message>
        <source>The backup taken %1 was restored. The damaged file is kept as "%2".</source>
        <translation>La sauvegarde faite le %1 a été restaurée. Le fichier endommagé est conservé sous le nom "%2".</translation>
    </message>
    <message>
        <source>The database "%1" is missing, but copies of it lie beside it, newest first:
%2</source>
        <translation>La base de données "%1" est absente, mais des copies se trouvent à côté, la plus récente d'abord :
%2</translation>
    </message>
    <message>
        <source>Start Memorant in its window to finish the restore, open the newest copy or start a new database; or rename a copy to "%1".</source>
        <translation>Lancez Memorant dans sa fenêtre pour terminer la restauration, ouvrir la copie la plus récente ou commencer une nouvelle base de données ; ou renommez une copie en "%1".</translation>
    </message>
    <message>
        <source>Finish the restore that was interrupted, putting "%1" in place?</source>
        <translation>Terminer la restauration interrompue en mettant "%1" en place ?</translation>
    </message>
    <message>
        <source>Open the newest good copy, "%1"? It is copied in place; the copies stay as they are.</source>
        <translation>Ouvrir la copie saine la plus récente, "%1" ? Elle est copiée à sa place ; les copies restent telles quelles.</translation>
    </message>
    <message>
        <source>Start a new database with the sample set? The copies stay as they are.</source>
        <translation>Commencer une nouvelle base de données avec la série d'exemple ? Les copies restent telles quelles.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Rien n'a été modifié.</translation>
    </message>
    <message>
        <source>Cannot make the data folder "%1"</source>
        <translation>Impossible de créer le dossier de données "%1"</translation>
    </message>
    <message>
        <source>Files:</source>
        <translation>Fichiers :</translation>
    </message>
    <message>
        <source>the database with --user-data</source>
        <translation>la base de données avec --user-data</translation>
    </message>
    <message>
        <source>(built into the program)</source>
        <translation>(intégré au programme)</translation>
    </message>
    <message>
        <source>the help pages</source>
        <translation>les pages d'aide</translation>
    </message>
    <message>
        <source>your own sounds for Object 1 to Object 11, the first found</source>
        <translation>vos propres sons pour Object 1 à Object 11, le premier trouvé</translation>
    </message>
    <message>
        <source>Memorant cannot start: %1</source>
        <translation>Memorant ne peut pas démarrer : %1</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>no replies yet</source>
        <translation>aucune saisie pour l'instant</translation>
    </message>
    <message numerus="yes">
        <source>%1 – %2 (%n days)</source>
        <translation>
            <numerusform>%1 – %2 (%n jour)</numerusform>
            <numerusform>%1 – %2 (%n jours)</numerusform>
        </translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>30 derniers jours</translation>
    </message>
    <message>
        <source>Last 90 days</source>
        <translation>90 derniers jours</translation>
    </message>
    <message>
        <source>Last 365 days</source>
        <translation>365 derniers jours</translation>
    </message>
    <message>
        <source>All days</source>
        <translation>Tous les jours</translation>
    </message>
    <message>
        <source>All sets</source>
        <translation>Toutes les séries</translation>
    </message>
    <message>
        <source>Save chart as PNG...</source>
        <translation>Enregistrer le graphique en PNG...</translation>
    </message>
    <message>
        <source>Save numbers as CSV...</source>
        <translation>Enregistrer les chiffres en CSV...</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Juste</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Faux</translation>
    </message>
    <message>
        <source>Correct and wrong replies per day</source>
        <translation>Saisies justes et fausses par jour</translation>
    </message>
    <message>
        <source>Share of correct replies</source>
        <translation>Part des saisies justes</translation>
    </message>
    <message>
        <source>Replies in the last year</source>
        <translation>Saisies de la dernière année</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Cartes</translation>
    </message>
    <message>
        <source>Answered</source>
        <translation>Répondues</translation>
    </message>
    <message>
        <source>Replies</source>
        <translation>Saisies</translation>
    </message>
    <message>
        <source>Share correct</source>
        <translation>Part de justes</translation>
    </message>
    <message>
        <source>Mean rating</source>
        <translation>Note moyenne</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Séries</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Hardest cards of the chosen set</source>
        <translation>Cartes les plus difficiles de la série choisie</translation>
    </message>
    <message>
        <source>Double-click a card to open it in its set</source>
        <translation>Double-cliquez sur une carte pour l'ouvrir dans sa série</translation>
    </message>
    <message>
        <source>The statistics cannot be read: %1</source>
        <translation>Les statistiques ne peuvent pas être lues : %1</translation>
    </message>
    <message>
        <source>Replies per day, %1</source>
        <translation>Saisies par jour, %1</translation>
    </message>
    <message>
        <source>Share correct per day, %1</source>
        <translation>Part de justes par jour, %1</translation>
    </message>
    <message>
        <source>Replies per week, %1</source>
        <translation>Saisies par semaine, %1</translation>
    </message>
    <message>
        <source>Share correct per week, %1</source>
        <translation>Part de justes par semaine, %1</translation>
    </message>
    <message numerus="yes">
        <source>Replies per %n days, %1</source>
        <translation>
            <numerusform>Saisies par période de %n jour, %1</numerusform>
            <numerusform>Saisies par période de %n jours, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Share correct per %n days, %1</source>
        <translation>
            <numerusform>Part de justes par période de %n jour, %1</numerusform>
            <numerusform>Part de justes par période de %n jours, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Current run: %n days learnt in a row</source>
        <translation>
            <numerusform>Suite en cours : %n jour d'apprentissage d'affilée</numerusform>
            <numerusform>Suite en cours : %n jours d'apprentissage d'affilée</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Longest run this year: %n days</source>
        <translation>
            <numerusform>Plus longue suite cette année : %n jour</numerusform>
            <numerusform>Plus longue suite cette année : %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (answer to question)</source>
        <translation>%1 (de la réponse à la question)</translation>
    </message>
    <message>
        <source>Save chart as PNG</source>
        <translation>Enregistrer le graphique en PNG</translation>
    </message>
    <message>
        <source>The chart could not be saved as "%1".</source>
        <translation>Le graphique n'a pas pu être enregistré sous « %1 ».</translation>
    </message>
    <message>
        <source>Save numbers as CSV</source>
        <translation>Enregistrer les chiffres en CSV</translation>
    </message>
    <message>
        <source>The numbers could not be saved as "%1": %2</source>
        <translation>Les chiffres n'ont pas pu être enregistrés sous « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>Stats</name>
    <message>
        <source>no date</source>
        <translation>sans date</translation>
    </message>
    <message>
        <source>among them %1</source>
        <translation>dont %1</translation>
    </message>
    <message numerus="yes">
        <source>%n log rows are dated outside %1 to %2 and not shown (%3).</source>
        <translation>
            <numerusform>%n ligne du journal est datée hors de la période du %1 au %2 et n'est pas affichée (%3).</numerusform>
            <numerusform>%n lignes du journal sont datées hors de la période du %1 au %2 et ne sont pas affichées (%3).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n log rows have no readable date and are not shown (%1).</source>
        <translation>
            <numerusform>%n ligne du journal n'a pas de date lisible et n'est pas affichée (%1).</numerusform>
            <numerusform>%n lignes du journal n'ont pas de date lisible et ne sont pas affichées (%1).</numerusform>
        </translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Replies</source>
        <translation>Saisies</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Juste</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Faux</translation>
    </message>
    <message>
        <source>Share correct</source>
        <translation>Part de justes</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Cartes</translation>
    </message>
    <message>
        <source>Answered</source>
        <translation>Répondues</translation>
    </message>
    <message>
        <source>Mean rating</source>
        <translation>Note moyenne</translation>
    </message>
</context>
<context>
    <name>Sync</name>
    <message>
        <source>The database "%1" is gone: nothing was synced</source>
        <translation>La base de données "%1" a disparu : rien n'a été synchronisé</translation>
    </message>
    <message>
        <source>The database cannot be opened to sync: %1</source>
        <translation>La base de données ne peut pas être ouverte pour synchroniser : %1</translation>
    </message>
    <message>
        <source>a change is too long for a snapshot</source>
        <translation>une modification est trop longue pour un instantané</translation>
    </message>
    <message>
        <source>The changes every machine has read stay in the sync folder, as they could not be folded: %1</source>
        <translation>Les modifications que chaque machine a lues restent dans le dossier de synchronisation, car elles n'ont pas pu être regroupées : %1</translation>
    </message>
    <message>
        <source>This is the folder of the database itself. A sync tool would copy the open database file, which can damage it on the other machine: choose an empty folder of its own.</source>
        <translation>C'est le dossier de la base de données elle-même. Un outil de synchronisation copierait le fichier de base de données ouvert, ce qui peut l'endommager sur l'autre machine : choisissez un dossier vide qui lui soit propre.</translation>
    </message>
    <message>
        <source>This folder lies inside the backups, where old backups are deleted: choose a folder of its own.</source>
        <translation>Ce dossier se trouve parmi les sauvegardes, où les anciennes sauvegardes sont supprimées : choisissez un dossier qui lui soit propre.</translation>
    </message>
    <message>
        <source>Another set is named "%1" now</source>
        <translation>Une autre série s'appelle maintenant "%1"</translation>
    </message>
    <message>
        <source>This edit is no longer kept</source>
        <translation>Cette modification n'est plus conservée</translation>
    </message>
    <message>
        <source>The card is no longer here</source>
        <translation>La carte n'est plus là</translation>
    </message>
    <message>
        <source>The set is no longer here</source>
        <translation>La série n'est plus là</translation>
    </message>
    <message>
        <source>This edit cannot be brought back</source>
        <translation>Cette modification ne peut pas être rétablie</translation>
    </message>
    <message>
        <source>A change file from %1 has been unreadable for %2 days ("%3"): what that machine changed after it waits. Let Memorant on %1 sync again; if the file stays unreadable, check the sync tool there.</source>
        <translation>Un fichier de modifications de %1 est illisible depuis %2 jours ("%3") : ce que cette machine a modifié ensuite attend. Laissez Memorant sur %1 synchroniser de nouveau ; si le fichier reste illisible, vérifiez l'outil de synchronisation là-bas.</translation>
    </message>
    <message>
        <source>A picture or sound in the sync folder was not taken: %1</source>
        <translation>Une image ou un son du dossier de synchronisation n'a pas été repris : %1</translation>
    </message>
    <message>
        <source>Another machine writes changes of a newer Memorant: update Memorant on this machine to receive them (they wait in the folder, nothing is lost)</source>
        <translation>Une autre machine écrit des modifications d'un Memorant plus récent : mettez à jour Memorant sur cette machine pour les recevoir (elles attendent dans le dossier, rien n'est perdu)</translation>
    </message>
    <message>
        <source>1 picture or sound waits for the sync folder to bring it; it is named on its card once it has</source>
        <translation>1 image ou son attend que le dossier de synchronisation l'apporte ; il sera nommé sur sa carte dès son arrivée</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures or sounds wait for the sync folder to bring them; they are named on their cards once it has</source>
        <translation>
            <numerusform>%n image ou son attend que le dossier de synchronisation l'apporte ; il sera nommé sur sa carte dès son arrivée</numerusform>
            <numerusform>%n images ou sons attendent que le dossier de synchronisation les apporte ; ils seront nommés sur leurs cartes dès leur arrivée</numerusform>
        </translation>
    </message>
    <message>
        <source>No sync folder is set: name one with --folder DIR</source>
        <translation>Aucun dossier de synchronisation n'est défini : indiquez-en un avec --folder DIR</translation>
    </message>
    <message>
        <source>The sync folder "%1" does not exist</source>
        <translation>Le dossier de synchronisation "%1" n'existe pas</translation>
    </message>
    <message>
        <source>The folder "%1" cannot be made</source>
        <translation>Le dossier "%1" ne peut pas être créé</translation>
    </message>
    <message>
        <source>This database was copied from another one, or brought back from a backup: it now syncs as a machine of its own</source>
        <translation>Cette base de données a été copiée d'une autre, ou restaurée depuis une sauvegarde : elle se synchronise désormais comme une machine à part entière</translation>
    </message>
    <message>
        <source>This machine's changes wait to be written: %1</source>
        <translation>Les modifications de cette machine attendent d'être écrites : %1</translation>
    </message>
    <message>
        <source>No machine named "%1" syncs with this one</source>
        <translation>Aucune machine nommée "%1" ne se synchronise avec celle-ci</translation>
    </message>
    <message>
        <source>"%1" was seen %2 days ago: only a machine unseen for %3 days can be forgotten</source>
        <translation>"%1" a été vue il y a %2 jours : seule une machine invisible depuis %3 jours peut être oubliée</translation>
    </message>
    <message>
        <source>the folder "%1" cannot be made</source>
        <translation>le dossier "%1" ne peut pas être créé</translation>
    </message>
    <message>
        <source>"%1" cannot be written (%2)</source>
        <translation>"%1" ne peut pas être écrit (%2)</translation>
    </message>
    <message>
        <source>"%1" could not be written whole (is the disk full?)</source>
        <translation>"%1" n'a pas pu être écrit en entier (le disque est-il plein ?)</translation>
    </message>
    <message>
        <source>"%1" cannot be replaced</source>
        <translation>"%1" ne peut pas être remplacé</translation>
    </message>
    <message>
        <source>"%1" cannot be put in place</source>
        <translation>"%1" ne peut pas être mis en place</translation>
    </message>
    <message>
        <source>Sync folder not reachable</source>
        <translation>Dossier de synchronisation inaccessible</translation>
    </message>
    <message>
        <source>Waiting for another machine</source>
        <translation>En attente d'une autre machine</translation>
    </message>
    <message>
        <source>Waiting for %1</source>
        <translation>En attente de %1</translation>
    </message>
    <message>
        <source>Synced with %1 %2 min ago</source>
        <translation>Synchronisé avec %1 il y a %2 min</translation>
    </message>
</context>
<context>
    <name>SyncFolderWindow</name>
    <message>
        <source>Sync folder</source>
        <translation>Dossier de synchronisation</translation>
    </message>
    <message>
        <source>%1 (this machine)</source>
        <translation>%1 (cette machine)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Choose a folder that a sync tool keeps alike on all your machines: a Syncthing folder, a cloud folder (Nextcloud, Dropbox, OneDrive) or a network share. Memorant writes its changes into a folder "memorant-sync" inside it, never the database itself. Every machine chooses the same folder.</source>
        <translation>Choisissez un dossier qu'un outil de synchronisation garde identique sur toutes vos machines : un dossier Syncthing, un dossier cloud (Nextcloud, Dropbox, OneDrive) ou un partage réseau. Memorant écrit ses modifications dans un dossier « memorant-sync » à l'intérieur, jamais la base de données elle-même. Chaque machine choisit le même dossier.</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choisir...</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Dossier :</translation>
    </message>
    <message>
        <source>This machine's name:</source>
        <translation>Nom de cette machine :</translation>
    </message>
    <message>
        <source>Machines syncing through this folder</source>
        <translation>Machines synchronisées par ce dossier</translation>
    </message>
    <message>
        <source>Machine</source>
        <translation>Machine</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>Dernière modification</translation>
    </message>
    <message>
        <source>Has read this machine's changes</source>
        <translation>A lu les modifications de cette machine</translation>
    </message>
    <message>
        <source>Machines syncing through this folder:</source>
        <translation>Machines synchronisées par ce dossier :</translation>
    </message>
    <message>
        <source>Stop syncing</source>
        <translation>Arrêter la synchronisation</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>"%1" is not a whole path: give the folder from its drive or root, or use Choose...</source>
        <translation>« %1 » n'est pas un chemin complet : indiquez le dossier depuis son lecteur ou la racine, ou utilisez Choisir...</translation>
    </message>
    <message>
        <source>"%1" is a file, not a folder: choose a folder.</source>
        <translation>« %1 » est un fichier, pas un dossier : choisissez un dossier.</translation>
    </message>
    <message>
        <source>The folder "%1" does not exist. Create it, or let the sync tool create it, and choose it again.</source>
        <translation>Le dossier « %1 » n'existe pas. Créez-le, ou laissez l'outil de synchronisation le créer, puis choisissez-le à nouveau.</translation>
    </message>
    <message>
        <source>%1

Use this folder anyway?</source>
        <translation>%1

Utiliser ce dossier quand même ?</translation>
    </message>
    <message>
        <source>The sync folder could not be stored: %1</source>
        <translation>Le dossier de synchronisation n'a pas pu être enregistré : %1</translation>
    </message>
    <message>
        <source>Stop syncing with this folder? Nothing is deleted there or here; changes made meanwhile are sent when you choose the folder again.</source>
        <translation>Arrêter la synchronisation avec ce dossier ? Rien n'est supprimé, ni là-bas ni ici ; les modifications faites entre-temps sont envoyées quand vous choisissez à nouveau le dossier.</translation>
    </message>
    <message>
        <source>Syncing could not be stopped: %1</source>
        <translation>La synchronisation n'a pas pu être arrêtée : %1</translation>
    </message>
</context>
<context>
    <name>SyncMenu</name>
    <message>
        <source>Sync</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source>Sync folder...</source>
        <translation>Dossier de synchronisation...</translation>
    </message>
    <message>
        <source>Edits that lost...</source>
        <translation>Modifications perdues...</translation>
    </message>
    <message>
        <source>Click to open the Sync folder window</source>
        <translation>Cliquez pour ouvrir la fenêtre « Dossier de synchronisation »</translation>
    </message>
    <message>
        <source>The sync settings could not be read: %1</source>
        <translation>Les réglages de synchronisation n'ont pas pu être lus : %1</translation>
    </message>
    <message>
        <source>The sync folder could not be stored: %1</source>
        <translation>Le dossier de synchronisation n'a pas pu être enregistré : %1</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronisation...</translation>
    </message>
    <message>
        <source>; 1 edit lost to another machine's (File &gt; Sync &gt; Edits that lost...)</source>
        <translation>; 1 modification perdue face à celle d'une autre machine (Fichier &gt; Synchronisation &gt; Modifications perdues...)</translation>
    </message>
    <message numerus="yes">
        <source>; %n edits lost to another machine's (File &gt; Sync &gt; Edits that lost...)</source>
        <translation>
            <numerusform>; %n modification perdue face à celle d'une autre machine (Fichier &gt; Synchronisation &gt; Modifications perdues...)</numerusform>
            <numerusform>; %n modifications perdues face à celles d'une autre machine (Fichier &gt; Synchronisation &gt; Modifications perdues...)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncTakeIn</name>
    <message>
        <source>Changes from another machine could not be shown: %1</source>
        <translation>Les modifications d'une autre machine n'ont pas pu être affichées : %1</translation>
    </message>
    <message>
        <source>The set of this lesson was deleted on another machine. Choose another set to learn.</source>
        <translation>La série de cette leçon a été supprimée sur une autre machine. Choisissez une autre série à apprendre.</translation>
    </message>
    <message>
        <source>A reply cannot be taken back after another machine's changes came in</source>
        <translation>Une saisie ne peut pas être annulée après l'arrivée des modifications d'une autre machine</translation>
    </message>
    <message>
        <source>The card of this question was deleted on another machine.</source>
        <translation>La carte de cette question a été supprimée sur une autre machine.</translation>
    </message>
    <message>
        <source>No reply of this lesson to take back</source>
        <translation>Aucune saisie de cette leçon à annuler</translation>
    </message>
</context>
<context>
    <name>VoiceDialog</name>
    <message>
        <source>The voice cannot be tried: %1</source>
        <translation>La voix ne peut pas être essayée : %1</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>The set "%1" is no longer there: no voice was stored.</source>
        <translation>La série « %1 » n'existe plus : aucune voix n'a été enregistrée.</translation>
    </message>
    <message>
        <source>The voice "%1" could not be stored: %2</source>
        <translation>La voix « %1 » n'a pas pu être enregistrée : %2</translation>
    </message>
    <message>
        <source>No speech voices were found on this machine: the espeak-ng voice data may be missing.</source>
        <translation>Aucune voix n'a été trouvée sur cette machine : les données de voix d'espeak-ng manquent peut-être.</translation>
    </message>
    <message>
        <source>The voices cannot be shown: %1</source>
        <translation>Les voix ne peuvent pas être affichées : %1</translation>
    </message>
    <message>
        <source>Use this voice for all sets</source>
        <translation>Utiliser cette voix pour toutes les séries</translation>
    </message>
    <message>
        <source>Try</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Voices</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>The voice the questions are spoken in:</source>
        <translation>La voix qui lit les questions :</translation>
    </message>
    <message>
        <source>The voice the questions of the set "%1" are spoken in:</source>
        <translation>La voix qui lit les questions de la série « %1 » :</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>a text is longer than 1,000,000 characters</source>
        <translation>un texte dépasse 1 000 000 caractères</translation>
    </message>
    <message>
        <source>the reader could not be started</source>
        <translation>le lecteur n'a pas pu être démarré</translation>
    </message>
    <message>
        <source>this is not a text list (it holds a NUL character; a UTF-16 file needs its byte order mark or its encoding chosen)</source>
        <translation>ce n'est pas une liste de texte (elle contient un caractère NUL ; un fichier UTF-16 a besoin de sa marque d'ordre des octets, ou que son encodage soit choisi)</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>un champ entre guillemets n'est pas fermé</translation>
    </message>
    <message numerus="yes">
        <source>%n texts held line breaks or control characters, which a word list cannot carry: each line break was written as a blank, the other characters left out.</source>
        <translation>
            <numerusform>%n texte contenait des sauts de ligne ou des caractères de contrôle, qu'une liste de mots ne peut pas porter : chaque saut de ligne a été écrit comme une espace, les autres caractères ont été omis.</numerusform>
            <numerusform>%n textes contenaient des sauts de ligne ou des caractères de contrôle, qu'une liste de mots ne peut pas porter : chaque saut de ligne a été écrit comme une espace, les autres caractères ont été omis.</numerusform>
        </translation>
    </message>
    <message>
        <source>A word list carries no pictures or sounds: 1 card was written without them (File &gt; Export or Export set as KVTML keeps them).</source>
        <translation>Une liste de mots ne porte ni images ni sons : 1 carte a été écrite sans eux (Fichier &gt; Exporter ou Exporter la série en KVTML les conserve).</translation>
    </message>
    <message numerus="yes">
        <source>A word list carries no pictures or sounds: %n cards were written without them (File &gt; Export or Export set as KVTML keeps them).</source>
        <translation>
            <numerusform>Une liste de mots ne porte ni images ni sons : %n carte a été écrite sans eux (Fichier &gt; Exporter ou Exporter la série en KVTML les conserve).</numerusform>
            <numerusform>Une liste de mots ne porte ni images ni sons : %n cartes ont été écrites sans eux (Fichier &gt; Exporter ou Exporter la série en KVTML les conserve).</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no set named "%1".</source>
        <translation>Il n'y a aucune série nommée "%1".</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>The answers could not be read.</source>
        <translation>Les réponses n'ont pas pu être lues.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, ligne %2 : %3</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>le fichier ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>%1; choose the file's encoding.</source>
        <translation>%1 ; choisissez l'encodage du fichier.</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Ligne %1 : %2.</translation>
    </message>
    <message>
        <source>this line holds a byte that is not UTF-8, though the rest of the file is UTF-8; choose the file's encoding; nothing was added</source>
        <translation>cette ligne contient un octet qui n'est pas de l'UTF-8, alors que le reste du fichier est en UTF-8 ; choisissez l'encodage du fichier ; rien n'a été ajouté</translation>
    </message>
    <message>
        <source>the question and the answer need two different columns</source>
        <translation>la question et la réponse demandent deux colonnes différentes</translation>
    </message>
    <message>
        <source>the card could not be stored (%1)</source>
        <translation>la carte n'a pas pu être enregistrée (%1)</translation>
    </message>
    <message>
        <source>the import was cancelled</source>
        <translation>l'importation a été annulée</translation>
    </message>
    <message>
        <source>%1; nothing was added</source>
        <translation>%1 ; rien n'a été ajouté</translation>
    </message>
    <message>
        <source>no row has both a question and an answer (%1 skipped); nothing was added</source>
        <translation>aucune ligne n'a à la fois une question et une réponse (%1 ignorées) ; rien n'a été ajouté</translation>
    </message>
    <message>
        <source>too few fields</source>
        <translation>trop peu de champs</translation>
    </message>
    <message>
        <source>no question</source>
        <translation>pas de question</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>pas de réponse</translation>
    </message>
    <message>
        <source>the answer is the multiple-answer mark</source>
        <translation>la réponse est la marque de réponses multiples</translation>
    </message>
    <message>
        <source>line %1 (%2)</source>
        <translation>ligne %1 (%2)</translation>
    </message>
</context>
<context>
    <name>WordListDialog</name>
    <message>
        <source>Tab</source>
        <translation>Tabulation</translation>
    </message>
    <message>
        <source>Semicolon ;</source>
        <translation>Point-virgule ;</translation>
    </message>
    <message>
        <source>Comma ,</source>
        <translation>Virgule ,</translation>
    </message>
    <message>
        <source>Bar |</source>
        <translation>Barre verticale |</translation>
    </message>
    <message>
        <source>Colon :</source>
        <translation>Deux-points :</translation>
    </message>
    <message>
        <source>Import word list</source>
        <translation>Importer une liste de mots</translation>
    </message>
    <message>
        <source>As detected: none (a stray byte)</source>
        <translation>Selon la détection : aucun (un octet isolé)</translation>
    </message>
    <message>
        <source>As detected: %1</source>
        <translation>Selon la détection : %1</translation>
    </message>
    <message>
        <source>The first line names the columns</source>
        <translation>La première ligne nomme les colonnes</translation>
    </message>
    <message>
        <source>Several answer fields make a multiple-answer card (the answer column and those after it)</source>
        <translation>Plusieurs champs de réponse forment une carte à réponses multiples (la colonne de réponse et les suivantes)</translation>
    </message>
    <message>
        <source>Encoding:</source>
        <translation>Encodage :</translation>
    </message>
    <message>
        <source>Separator:</source>
        <translation>Séparateur :</translation>
    </message>
    <message>
        <source>Question column:</source>
        <translation>Colonne des questions :</translation>
    </message>
    <message>
        <source>Answer column:</source>
        <translation>Colonne des réponses :</translation>
    </message>
    <message>
        <source>New set:</source>
        <translation>Nouvelle série :</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Column %1: %2</source>
        <translation>Colonne %1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>%1, read as %2. The whole file makes %n cards (%3 skipped).</source>
        <translation>
            <numerusform>%1, lu en %2. Le fichier entier donne %n carte (%3).</numerusform>
            <numerusform>%1, lu en %2. Le fichier entier donne %n cartes (%3).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows</source>
        <translation>
            <numerusform>%n ligne ignorée</numerusform>
            <numerusform>%n lignes ignorées</numerusform>
        </translation>
    </message>
    <message>
        <source> %1 is taken as the column names; untick "The first line names the columns" to keep it as a card.</source>
        <translation> %1 est prise comme noms de colonnes ; décochez « La première ligne nomme les colonnes » pour la garder comme carte.</translation>
    </message>
    <message>
        <source> Choose two different columns for the question and the answer.</source>
        <translation> Choisissez deux colonnes différentes pour la question et la réponse.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>several answers</source>
        <translation>plusieurs réponses</translation>
    </message>
    <message>
        <source>skipped: %1</source>
        <translation>ignorée : %1</translation>
    </message>
    <message>
        <source>That name is taken; the set will be called "%1".</source>
        <translation>Ce nom est déjà pris ; la série s'appellera « %1 ».</translation>
    </message>
</context>
<context>
    <name>WordListMenu</name>
    <message>
        <source>Word lists (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Listes de mots (*.csv *.tsv *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Import word list</source>
        <translation>Importer une liste de mots</translation>
    </message>
    <message>
        <source>Export set as word list</source>
        <translation>Exporter la série en liste de mots</translation>
    </message>
    <message>
        <source>Tab-separated lists (*.tsv *.txt)</source>
        <translation>Listes séparées par des tabulations (*.tsv *.txt)</translation>
    </message>
    <message numerus="yes">
        <source>%n cards were imported from %1 into the new set "%2".</source>
        <translation>
            <numerusform>%n carte a été importée de %1 dans la nouvelle série « %2 ».</numerusform>
            <numerusform>%n cartes ont été importées de %1 dans la nouvelle série « %2 ».</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n rows without a question or an answer were skipped.</source>
        <translation>
            <numerusform> %n ligne sans question ou sans réponse a été ignorée.</numerusform>
            <numerusform> %n lignes sans question ou sans réponse ont été ignorées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Importing %1...</source>
        <translation>Importation de %1...</translation>
    </message>
    <message>
        <source>%1: nothing was added (%2)</source>
        <translation>%1 : rien n'a été ajouté (%2)</translation>
    </message>
    <message>
        <source>1 card of the set "%1" was written to %2.</source>
        <translation>1 carte de la série « %1 » a été écrite dans %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n cards of the set "%1" were written to %2.</source>
        <translation>
            <numerusform>%n carte de la série « %1 » a été écrite dans %2.</numerusform>
            <numerusform>%n cartes de la série « %1 » ont été écrites dans %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>The set could not be exported: %1</source>
        <translation>La série n'a pas pu être exportée : %1</translation>
    </message>
    <message>
        <source>Choose the set to export in the set list first.</source>
        <translation>Choisissez d'abord dans la liste des séries la série à exporter.</translation>
    </message>
</context>
<context>
    <name>window::HelpWindow</name>
    <message>
        <source>Memorant Help</source>
        <translation>Aide de Memorant</translation>
    </message>
</context>
<context>
    <name>window::LanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The language of Memorant's windows on this computer:</source>
        <translation>La langue des fenêtres de Memorant sur cet ordinateur :</translation>
    </message>
    <message>
        <source>Memorant speaks your system's language, %1.</source>
        <translation>Memorant parle la langue de votre système, %1.</translation>
    </message>
</context>
</TS>