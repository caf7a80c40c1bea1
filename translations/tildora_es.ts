<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>main</name>
    <message>
        <location filename="../app/tildora/main.cpp" line="+60"/>
        <source>Find the stressed vowel, the stressed syllable and the written accent of Spanish words.</source>
        <translation>Encuentra la vocal tónica, la sílaba tónica y la tilde de las palabras en español.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show the version.</source>
        <translation>Muestra la versión.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keep the answers under this child&apos;s name.</source>
        <translation>Guarda las respuestas con el nombre de este alumno.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keep no answers on this computer.</source>
        <translation>No guarda ninguna respuesta en este ordenador.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start in the full-screen view (F11 leaves it).</source>
        <translation>Empieza a pantalla completa (F11 para salir).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keep the answers in this folder, shared with other computers.</source>
        <translation>Guarda las respuestas en esta carpeta, compartida con otros ordenadores.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DIR</source>
        <translation>CARPETA</translation>
    </message>
</context>
<context>
    <name>tildora::ClassroomAccess</name>
    <message>
        <location filename="../src/window/classroomaccess.cpp" line="+35"/>
        <source>letter %1, %2 of %3</source>
        <translation>letra %1, %2 de %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Answer with this letter of the word.</source>
        <translation>Responde con esta letra de la palabra.</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Find the stressed vowel, the stressed syllable and the written accent.</source>
        <translation>Encuentra la vocal tónica, la sílaba tónica y la tilde.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next word</source>
        <translation>Palabra siguiente</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shows the next word of the list and says it.</source>
        <translation>Muestra la siguiente palabra de la lista y la dice.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hear the word again</source>
        <translation>Oír otra vez la palabra</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Says the word once more.</source>
        <translation>Dice la palabra una vez más.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vowel mode</source>
        <translation>Modo vocal</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Press the stressed vowel of the word.</source>
        <translation>Pulsa la vocal tónica de la palabra.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Syllable mode</source>
        <translation>Modo sílaba</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Press every letter of the stressed syllable.</source>
        <translation>Pulsa cada letra de la sílaba tónica.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Written accent mode</source>
        <translation>Modo tilde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press the letter that takes the written accent, or the no-accent button.</source>
        <translation>Pulsa la letra que lleva tilde, o el botón «Sin tilde».</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>No written accent</source>
        <translation>Sin tilde</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Answers that the word takes no written accent.</source>
        <translation>Responde que la palabra no lleva tilde.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Shows or hides who made Tildora.</source>
        <translation>Muestra u oculta quién hizo Tildora.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exercise list</source>
        <translation>Lista de ejercicios</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Chooses the list of words to practise.</source>
        <translation>Elige la lista de palabras para practicar.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Answer record</source>
        <translation>Registro de respuestas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>One line per answer: the word, with the part asked for in green or the wrong letter in red.</source>
        <translation>Una línea por respuesta: la palabra, con la parte pedida en verde o la letra equivocada en rojo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The letters of the word. Left and Right move between them, Space answers.</source>
        <translation>Las letras de la palabra. Las flechas izquierda y derecha pasan de una a otra; la barra espaciadora responde.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Credits card</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Who made Tildora, under which licence, and where its guide is.</source>
        <translation>Quién hizo Tildora, con qué licencia y dónde está su guía.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Right answers: %1</source>
        <translation>Aciertos: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrong answers: %1</source>
        <translation>Fallos: %1</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Well done</source>
        <translation>Muy bien</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Try again</source>
        <translation>Prueba otra vez</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thumbs up</source>
        <translation>Pulgar arriba</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Thumbs down</source>
        <translation>Pulgar abajo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Counted since the program started.</source>
        <translation>Contados desde que empezó el programa.</translation>
    </message>
</context>
<context>
    <name>tildora::NamePicker</name>
    <message>
        <location filename="../src/window/namepicker.cpp" line="+43"/>
        <location line="+1"/>
        <source>Who are you?</source>
        <translation>¿Quién eres?</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Play as this child</source>
        <translation>Jugar con este nombre</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>When you have finished, close the game: the names come back for the next child.</source>
        <translation>Cuando termines, cierra el juego: los nombres vuelven para el siguiente alumno.</translation>
    </message>
</context>
<context>
    <name>tildora::ResultsImport</name>
    <message>
        <location filename="../src/results/resultsimport.cpp" line="+66"/>
        <source>%1 cannot be made</source>
        <translation>no se puede crear %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 is not an ordinary file: its answers were not copied</source>
        <translation>%1 no es un archivo normal: sus respuestas no se han copiado</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 could not be written: %2</source>
        <translation>no se ha podido escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>tildora::ResultsLog</name>
    <message>
        <location filename="../src/results/resultslog.cpp" line="+84"/>
        <source>the folder cannot be made</source>
        <translation>no se puede crear la carpeta</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the folder is not there</source>
        <translation>la carpeta no está</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>tildora: %1 is not an ordinary file: answers go to %2 instead</source>
        <translation>tildora: %1 no es un archivo normal: las respuestas van a %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>not an ordinary file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message numerus="yes">
        <location line="+56"/>
        <source>tildora: %n answer(s) waiting for %1 are kept in %2 instead</source>
        <translation>
            <numerusform>tildora: %n respuesta pendiente para %1 se guarda en %2</numerusform>
            <numerusform>tildora: %n respuestas pendientes para %1 se guardan en %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>tildora: %n answer(s) waiting for %1 were not kept</source>
        <translation>
            <numerusform>tildora: no se ha guardado %n respuesta pendiente en %1</numerusform>
            <numerusform>tildora: no se han guardado %n respuestas pendientes en %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+50"/>
        <source>too many answers are waiting</source>
        <translation>hay demasiadas respuestas esperando</translation>
    </message>
    <message>
        <location line="-143"/>
        <source>tildora: answers are not kept in %1: %2</source>
        <translation>tildora: las respuestas no se guardan en %1: %2</translation>
    </message>
</context>
<context>
    <name>tildora::ResultsReader</name>
    <message>
        <location filename="../src/results/resultsreader.cpp" line="+57"/>
        <source>not an ordinary file of a reasonable size</source>
        <translation>no es un archivo normal de un tamaño razonable</translation>
    </message>
    <message>
        <location line="+118"/>
        <source>%1 cannot be read as a folder</source>
        <translation>%1 no se puede leer como carpeta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is not there</source>
        <translation>%1 no está</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 holds no day files of answers</source>
        <translation>%1 no tiene archivos diarios de respuestas</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is not an ordinary file: left out</source>
        <translation>%1 no es un archivo normal: se deja fuera</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 could not be read: %2</source>
        <translation>no se ha podido leer %1: %2</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1 holds no answers Tildora can read: left out</source>
        <translation>%1 no tiene respuestas que Tildora pueda leer: se deja fuera</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%n row(s) could not be read and were left out</source>
        <translation>
            <numerusform>%n fila no se ha podido leer y se ha dejado fuera</numerusform>
            <numerusform>%n filas no se han podido leer y se han dejado fuera</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n answer(s) dated after today were left out</source>
        <translation>
            <numerusform>%n respuesta con fecha posterior a hoy se ha dejado fuera</numerusform>
            <numerusform>%n respuestas con fecha posterior a hoy se han dejado fuera</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tildora::SupportCheck</name>
    <message>
        <location filename="../src/window/supportcheck.cpp" line="+19"/>
        <source>Qt cannot animate GIF pictures (Qt&apos;s &quot;gif&quot; plug-in is missing): the right and wrong animations will not be shown.</source>
        <translation>Qt no puede animar imágenes GIF (falta el complemento «gif» de Qt): no se verán las animaciones de acierto y fallo.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>These content folders are missing beside the program (%1): %2.</source>
        <translation>Faltan estas carpetas de contenido junto al programa (%1): %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The folder &quot;%1&quot; has no exercise files.</source>
        <translation>La carpeta «%1» no tiene ningún archivo de ejercicios.</translation>
    </message>
</context>
</TS>
