<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>ResultsReport</name>
    <message numerus="yes">
        <location filename="../src/editor/resultsreport.cpp" line="100"/>
        <source>%Ln answer(s), %1 right.</source>
        <translation>
            <numerusform>%Ln answer, %1 right.</numerusform>
            <numerusform>%Ln answers, %1 right.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tildora::EditorWindow</name>
    <message numerus="yes">
        <location filename="../src/editor/editorwindow.cpp" line="399"/>
        <source>%n word(s)</source>
        <translation>
            <numerusform>%n word</numerusform>
            <numerusform>%n words</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/editor/editorwindow.cpp" line="400"/>
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n error</numerusform>
            <numerusform>%n errors</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/editor/editorwindow.cpp" line="401"/>
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n warning</numerusform>
            <numerusform>%n warnings</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tildora::ResultsPanel</name>
    <message numerus="yes">
        <location filename="../src/editor/resultspanel.cpp" line="378"/>
        <source>%n answer(s) shown.</source>
        <translation>
            <numerusform>%n answer shown.</numerusform>
            <numerusform>%n answers shown.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/editor/resultspanel.cpp" line="394"/>
        <source>New list %1 with %n word(s).</source>
        <translation>
            <numerusform>New list %1 with %n word.</numerusform>
            <numerusform>New list %1 with %n words.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/editor/resultspanelprint.cpp" line="93"/>
        <source>%n answer(s) added</source>
        <translation>
            <numerusform>%n answer added</numerusform>
            <numerusform>%n answers added</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/editor/resultspanelprint.cpp" line="94"/>
        <source>%n already there.</source>
        <translation>
            <numerusform>%n already there.</numerusform>
            <numerusform>%n already there.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tildora::VoicePanel</name>
    <message numerus="yes">
        <location filename="../src/editor/voicepanel.cpp" line="220"/>
        <source>Recording %n word(s)…</source>
        <translation>
            <numerusform>Recording %n word…</numerusform>
            <numerusform>Recording %n words…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/editor/voicepanel.cpp" line="232"/>
        <source>Stopped: %n recording(s) made.</source>
        <translation>
            <numerusform>Stopped: %n recording made.</numerusform>
            <numerusform>Stopped: %n recordings made.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/editor/voicepanel.cpp" line="233"/>
        <source>%n recording(s) made.</source>
        <translation>
            <numerusform>%n recording made.</numerusform>
            <numerusform>%n recordings made.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/editor/voicepanel.cpp" line="235"/>
        <source>%n failed:</source>
        <translation>
            <numerusform>%n failed:</numerusform>
            <numerusform>%n failed:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tildora::WordPanel</name>
    <message numerus="yes">
        <location filename="../src/editor/wordpanel.cpp" line="160"/>
        <source>Add %n word(s)</source>
        <translation>
            <numerusform>Add %n word</numerusform>
            <numerusform>Add %n words</numerusform>
        </translation>
    </message>
</context>
</TS>
