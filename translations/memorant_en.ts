<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Commands</name>
    <message numerus="yes">
        <source>--set names one set, but %1 makes %n sets; nothing was added</source>
        <translation>
            <numerusform>--set names one set, but %1 makes %n set; nothing was added</numerusform>
            <numerusform>--set names one set, but %1 makes %n sets; nothing was added</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exported %n cards of the set "%1" to %2 (KVTML 2.0).</source>
        <translation>
            <numerusform>Exported %n card of the set "%1" to %2 (KVTML 2.0).</numerusform>
            <numerusform>Exported %n cards of the set "%1" to %2 (KVTML 2.0).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exported %n cards of the set "%1" to %2 (KVTML 2.0), their pictures and sounds to %3.</source>
        <translation>
            <numerusform>Exported %n card of the set "%1" to %2 (KVTML 2.0), its pictures and sounds to %3.</numerusform>
            <numerusform>Exported %n cards of the set "%1" to %2 (KVTML 2.0), their pictures and sounds to %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cards due today.</source>
        <translation>
            <numerusform>%n card due today.</numerusform>
            <numerusform>%n cards due today.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exported %n records to %1, the answer lists of multiple-answer cards and what is asked answer to question to %2.</source>
        <translation>
            <numerusform>Exported %n record to %1, the answer lists of multiple-answer cards and what is asked answer to question to %2.</numerusform>
            <numerusform>Exported %n records to %1, the answer lists of multiple-answer cards and what is asked answer to question to %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exported %n records to %1, the answer lists of multiple-answer cards to %2.</source>
        <translation>
            <numerusform>Exported %n record to %1, the answer lists of multiple-answer cards to %2.</numerusform>
            <numerusform>Exported %n records to %1, the answer lists of multiple-answer cards to %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exported %n records to %1, what is asked answer to question to %2.</source>
        <translation>
            <numerusform>Exported %n record to %1, what is asked answer to question to %2.</numerusform>
            <numerusform>Exported %n records to %1, what is asked answer to question to %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exported %n records to %1.</source>
        <translation>
            <numerusform>Exported %n record to %1.</numerusform>
            <numerusform>Exported %n records to %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures and sounds to %1.</source>
        <translation>
            <numerusform>%n picture or sound to %1.</numerusform>
            <numerusform>%n pictures and sounds to %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sets</source>
        <translation>
            <numerusform>%n set</numerusform>
            <numerusform>%n sets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cards</source>
        <translation>
            <numerusform>%n card</numerusform>
            <numerusform>%n cards</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n log rows</source>
        <translation>
            <numerusform>%n log row</numerusform>
            <numerusform>%n log rows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, unseen for %n days: sync --forget "%1" stops waiting for it</source>
        <translation>
            <numerusform>, unseen for %n day: sync --forget "%1" stops waiting for it</numerusform>
            <numerusform>, unseen for %n days: sync --forget "%1" stops waiting for it</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n set(s) renamed with a number: another set had the name</source>
        <translation>
            <numerusform>%n set renamed with a number: another set had the name</numerusform>
            <numerusform>%n set(s) renamed with a number: another set had the name</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n cards from %1 into the new set "%2"</source>
        <translation>
            <numerusform>Imported %n card from %1 into the new set "%2"</numerusform>
            <numerusform>Imported %n cards from %1 into the new set "%2"</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n rows skipped</source>
        <translation>
            <numerusform>; %n row skipped</numerusform>
            <numerusform>; %n rows skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exported %n cards of the set "%1" to %2.</source>
        <translation>
            <numerusform>Exported %n card of the set "%1" to %2.</numerusform>
            <numerusform>Exported %n cards of the set "%1" to %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message numerus="yes">
        <source>%n cards name a picture or sound that is not in the database "%1"; they are shown without it</source>
        <translation>
            <numerusform>%n card names a picture or sound that is not in the database "%1"; it is shown without it</numerusform>
            <numerusform>%n cards name a picture or sound that is not in the database "%1"; they are shown without it</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DeckDialog</name>
    <message numerus="yes">
        <source>%n new sets</source>
        <translation>
            <numerusform>%n new set</numerusform>
            <numerusform>%n new sets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2) makes %n cards in %3:</source>
        <translation>
            <numerusform>%1 (%2) makes %n card in %3:</numerusform>
            <numerusform>%1 (%2) makes %n cards in %3:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2) makes %n cards (with %3) in %4:</source>
        <translation>
            <numerusform>%1 (%2) makes %n card (with %3) in %4:</numerusform>
            <numerusform>%1 (%2) makes %n cards (with %3) in %4:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DeckMenu</name>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cards of the set "%1" were written to %2 (KVTML 2.0), their pictures and sounds to %3.</source>
        <translation>
            <numerusform>%n card of the set "%1" was written to %2 (KVTML 2.0), their pictures and sounds to %3.</numerusform>
            <numerusform>%n cards of the set "%1" were written to %2 (KVTML 2.0), their pictures and sounds to %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cards of the set "%1" were written to %2 (KVTML 2.0).</source>
        <translation>
            <numerusform>%n card of the set "%1" was written to %2 (KVTML 2.0).</numerusform>
            <numerusform>%n cards of the set "%1" were written to %2 (KVTML 2.0).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Decks</name>
    <message numerus="yes">
        <source>%n not found</source>
        <translation>
            <numerusform>%n not found</numerusform>
            <numerusform>%n not found</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n outside the file's folder</source>
        <translation>
            <numerusform>%n outside the file's folder</numerusform>
            <numerusform>%n outside the file's folder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n too large or unreadable</source>
        <translation>
            <numerusform>%n too large or unreadable</numerusform>
            <numerusform>%n too large or unreadable</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n beyond a card's first</source>
        <translation>
            <numerusform>%n beyond a card's first</numerusform>
            <numerusform>%n beyond a card's first</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sounds left out (%1)</source>
        <translation>
            <numerusform>%n sound left out (%1)</numerusform>
            <numerusform>%n sounds left out (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures left out (%1)</source>
        <translation>
            <numerusform>%n picture left out (%1)</numerusform>
            <numerusform>%n pictures left out (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n notes without both a question and an answer skipped</source>
        <translation>
            <numerusform>%n note without both a question and an answer skipped</numerusform>
            <numerusform>%n notes without both a question and an answer skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries without both a question and an answer skipped</source>
        <translation>
            <numerusform>%n entry without both a question and an answer skipped</numerusform>
            <numerusform>%n entries without both a question and an answer skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n notes whose answer is the multiple-answer mark "Multi" skipped</source>
        <translation>
            <numerusform>%n note whose answer is the multiple-answer mark "Multi" skipped</numerusform>
            <numerusform>%n notes whose answer is the multiple-answer mark "Multi" skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries whose answer is the multiple-answer mark "Multi" skipped</source>
        <translation>
            <numerusform>%n entry whose answer is the multiple-answer mark "Multi" skipped</numerusform>
            <numerusform>%n entries whose answer is the multiple-answer mark "Multi" skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures</source>
        <translation>
            <numerusform>%n picture</numerusform>
            <numerusform>%n pictures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sounds</source>
        <translation>
            <numerusform>%n sound</numerusform>
            <numerusform>%n sounds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n cards from %1 into the new set %2</source>
        <translation>
            <numerusform>Imported %n card from %1 into the new set %2</numerusform>
            <numerusform>Imported %n cards from %1 into the new set %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n cards from %1 into %2 new sets (%3)</source>
        <translation>
            <numerusform>Imported %n card from %1 into %2 new sets (%3)</numerusform>
            <numerusform>Imported %n cards from %1 into %2 new sets (%3)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cards with nothing but control characters as a question or an answer skipped</source>
        <translation>
            <numerusform>%n card with nothing but control characters as a question or an answer skipped</numerusform>
            <numerusform>%n cards with nothing but control characters as a question or an answer skipped</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DueCountDelegate</name>
    <message numerus="yes">
        <source>%n due</source>
        <translation>
            <numerusform>%n due</numerusform>
            <numerusform>%n due</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DueOutlookView</name>
    <message numerus="yes">
        <source>Cards due in the next %n days (today first)</source>
        <translation>
            <numerusform>Cards due in the next %n day (today first)</numerusform>
            <numerusform>Cards due in the next %n days (today first)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message numerus="yes">
        <source>%n texts held line breaks or control characters, which the exchange file cannot carry: each line break was written as a blank, the other characters left out.</source>
        <translation>
            <numerusform>%n text held line breaks or control characters, which the exchange file cannot carry: each line break was written as a blank, the other characters left out.</numerusform>
            <numerusform>%n texts held line breaks or control characters, which the exchange file cannot carry: each line break was written as a blank, the other characters left out.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n set names were longer than %1 characters and were written cut to that length.</source>
        <translation>
            <numerusform>%n set name was longer than %1 characters and was written cut to that length.</numerusform>
            <numerusform>%n set names were longer than %1 characters and were written cut to that length.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n log rows were left out: their dates are no day from %1 to %2, which an import would refuse.</source>
        <translation>
            <numerusform>%n log row was left out: its date is no day from %1 to %2, which an import would refuse.</numerusform>
            <numerusform>%n log rows were left out: their dates are no day from %1 to %2, which an import would refuse.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures</source>
        <translation>
            <numerusform>%n picture</numerusform>
            <numerusform>%n pictures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sounds</source>
        <translation>
            <numerusform>%n sound</numerusform>
            <numerusform>%n sounds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n multiple-answer cards arrived without their answers; replies to them are judged wrong until their answers are entered.</source>
        <translation>
            <numerusform>%n multiple-answer card arrived without its answers; replies to it are judged wrong until its answers are entered.</numerusform>
            <numerusform>%n multiple-answer cards arrived without their answers; replies to them are judged wrong until their answers are entered.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message numerus="yes">
        <source>%n Answers</source>
        <translation>
            <numerusform>%n Answer</numerusform>
            <numerusform>%n Answers</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReviewDialog</name>
    <message numerus="yes">
        <source>For the %n cards answered so far, about %1 reviews a day. More recall wanted means more reviews.</source>
        <translation>
            <numerusform>For the %n card answered so far, about %1 reviews a day. More recall wanted means more reviews.</numerusform>
            <numerusform>For the %n cards answered so far, about %1 reviews a day. More recall wanted means more reviews.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Sets</name>
    <message numerus="yes">
        <source>%n set names were cut to %1 characters</source>
        <translation>
            <numerusform>%n set name was cut to %1 characters</numerusform>
            <numerusform>%n set names were cut to %1 characters</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message numerus="yes">
        <source>%1 – %2 (%n days)</source>
        <translation>
            <numerusform>%1 – %2 (%n day)</numerusform>
            <numerusform>%1 – %2 (%n days)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replies per %n days, %1</source>
        <translation>
            <numerusform>Replies per %n day, %1</numerusform>
            <numerusform>Replies per %n days, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Share correct per %n days, %1</source>
        <translation>
            <numerusform>Share correct per %n day, %1</numerusform>
            <numerusform>Share correct per %n days, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Current run: %n days learnt in a row</source>
        <translation>
            <numerusform>Current run: %n day learnt in a row</numerusform>
            <numerusform>Current run: %n days learnt in a row</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Longest run this year: %n days</source>
        <translation>
            <numerusform>Longest run this year: %n day</numerusform>
            <numerusform>Longest run this year: %n days</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Stats</name>
    <message numerus="yes">
        <source>%n log rows are dated outside %1 to %2 and not shown (%3).</source>
        <translation>
            <numerusform>%n log row is dated outside %1 to %2 and not shown (%3).</numerusform>
            <numerusform>%n log rows are dated outside %1 to %2 and not shown (%3).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n log rows have no readable date and are not shown (%1).</source>
        <translation>
            <numerusform>%n log row has no readable date and is not shown (%1).</numerusform>
            <numerusform>%n log rows have no readable date and are not shown (%1).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Sync</name>
    <message numerus="yes">
        <source>%n pictures or sounds wait for the sync folder to bring them; they are named on their cards once it has</source>
        <translation>
            <numerusform>%n picture or sound waits for the sync folder to bring it; it is named on its card once it has</numerusform>
            <numerusform>%n pictures or sounds wait for the sync folder to bring them; they are named on their cards once it has</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncMenu</name>
    <message numerus="yes">
        <source>; %n edits lost to another machine's (File &gt; Sync &gt; Edits that lost...)</source>
        <translation>
            <numerusform>; %n edit lost to another machine's (File &gt; Sync &gt; Edits that lost...)</numerusform>
            <numerusform>; %n edits lost to another machine's (File &gt; Sync &gt; Edits that lost...)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message numerus="yes">
        <source>%n texts held line breaks or control characters, which a word list cannot carry: each line break was written as a blank, the other characters left out.</source>
        <translation>
            <numerusform>%n text held line breaks or control characters, which a word list cannot carry: each line break was written as a blank, the other characters left out.</numerusform>
            <numerusform>%n texts held line breaks or control characters, which a word list cannot carry: each line break was written as a blank, the other characters left out.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A word list carries no pictures or sounds: %n cards were written without them (File &gt; Export or Export set as KVTML keeps them).</source>
        <translation>
            <numerusform>A word list carries no pictures or sounds: %n card was written without them (File &gt; Export or Export set as KVTML keeps them).</numerusform>
            <numerusform>A word list carries no pictures or sounds: %n cards were written without them (File &gt; Export or Export set as KVTML keeps them).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WordListDialog</name>
    <message numerus="yes">
        <source>%1, read as %2. The whole file makes %n cards (%3 skipped).</source>
        <translation>
            <numerusform>%1, read as %2. The whole file makes %n card (%3 skipped).</numerusform>
            <numerusform>%1, read as %2. The whole file makes %n cards (%3 skipped).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows</source>
        <translation>
            <numerusform>%n row</numerusform>
            <numerusform>%n rows</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WordListMenu</name>
    <message numerus="yes">
        <source>%n cards were imported from %1 into the new set "%2".</source>
        <translation>
            <numerusform>%n card was imported from %1 into the new set "%2".</numerusform>
            <numerusform>%n cards were imported from %1 into the new set "%2".</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> %n rows without a question or an answer were skipped.</source>
        <translation>
            <numerusform> %n row without a question or an answer was skipped.</numerusform>
            <numerusform> %n rows without a question or an answer were skipped.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cards of the set "%1" were written to %2.</source>
        <translation>
            <numerusform>%n card of the set "%1" was written to %2.</numerusform>
            <numerusform>%n cards of the set "%1" were written to %2.</numerusform>
        </translation>
    </message>
</context>
</TS>