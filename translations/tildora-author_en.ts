<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Author</name>
    <message numerus="yes">
        <location filename="../app/author/main.cpp" line="166"/>
        <source>%n word(s) not in the dictionary told without suggestions; --all-suggestions looks for them too</source>
        <translation>
            <numerusform>%n word not in the dictionary was told without suggestions; --all-suggestions looks for them too</numerusform>
            <numerusform>%n words not in the dictionary were told without suggestions; --all-suggestions looks for them too</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/author/main.cpp" line="169"/>
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n error</numerusform>
            <numerusform>%n errors</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/author/main.cpp" line="169"/>
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n warning</numerusform>
            <numerusform>%n warnings</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/author/main.cpp" line="170"/>
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/author/main.cpp" line="205"/>
        <source>%n recording(s) made</source>
        <translation>
            <numerusform>%n recording made</numerusform>
            <numerusform>%n recordings made</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../app/author/main.cpp" line="206"/>
        <source>%n failed</source>
        <translation>
            <numerusform>%n failed</numerusform>
            <numerusform>%n failed</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tildora::LineCheck</name>
    <message numerus="yes">
        <location filename="../src/authoring/linecheck.cpp" line="44"/>
        <source>a word of %n letters is longer than any real word (%1 at most)</source>
        <translation>
            <numerusform>a word of %n letter is longer than any real word (%1 at most)</numerusform>
            <numerusform>a word of %n letters is longer than any real word (%1 at most)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tildora::WordListEdits</name>
    <message numerus="yes">
        <location filename="../src/authoring/wordlistedits.cpp" line="36"/>
        <source>Remove %n lines</source>
        <translation>
            <numerusform>Remove %n line</numerusform>
            <numerusform>Remove %n lines</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tildora::WordRecorderText</name>
    <message numerus="yes">
        <location filename="../src/authoring/recorder.cpp" line="83"/>
        <source>%1 did not finish within %n second(s) and was stopped</source>
        <translation>
            <numerusform>%1 did not finish within %n second and was stopped</numerusform>
            <numerusform>%1 did not finish within %n seconds and was stopped</numerusform>
        </translation>
    </message>
</context>
</TS>
