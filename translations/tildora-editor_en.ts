<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>tildora::EditorWindow</name>
    <message numerus="yes">
        <location filename="../src/editor/editorwindow.cpp" line="387"/>
        <source>%n word(s)</source>
        <translation>
            <numerusform>%n word</numerusform>
            <numerusform>%n words</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/editor/editorwindow.cpp" line="388"/>
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n error</numerusform>
            <numerusform>%n errors</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/editor/editorwindow.cpp" line="389"/>
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
        <location filename="../src/editor/resultspanel.cpp" line="171"/>
        <source>%n answer(s) shown.</source>
        <translation>
            <numerusform>%n answer shown.</numerusform>
            <numerusform>%n answers shown.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/editor/resultspanel.cpp" line="186"/>
        <source>New list %1 with %n word(s).</source>
        <translation>
            <numerusform>New list %1 with %n word.</numerusform>
            <numerusform>New list %1 with %n words.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tildora::VoicePanel</name>
    <message numerus="yes">
        <location filename="../src/editor/voicepanel.cpp" line="207"/>
        <source>Recording %n word(s)…</source>
        <translation>
            <numerusform>Recording %n word…</numerusform>
            <numerusform>Recording %n words…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/editor/voicepanel.cpp" line="219"/>
        <source>Stopped: %n recording(s) made.</source>
        <translation>
            <numerusform>Stopped: %n recording made.</numerusform>
            <numerusform>Stopped: %n recordings made.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/editor/voicepanel.cpp" line="220"/>
        <source>%n recording(s) made.</source>
        <translation>
            <numerusform>%n recording made.</numerusform>
            <numerusform>%n recordings made.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/editor/voicepanel.cpp" line="222"/>
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
        <location filename="../src/editor/wordpanel.cpp" line="146"/>
        <source>Add %n word(s)</source>
        <translation>
            <numerusform>Add %n word</numerusform>
            <numerusform>Add %n words</numerusform>
        </translation>
    </message>
</context>
</TS>
