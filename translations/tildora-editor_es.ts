<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ResultsReport</name>
    <message>
        <location filename="../src/editor/resultsreport.cpp" line="+19"/>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Vowel</source>
        <translation>Vocal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Syllable</source>
        <translation>Sílaba</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Written accent</source>
        <translation>Tilde</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>The whole class</source>
        <translation>Toda la clase</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tildora: %1</source>
        <translation>Tildora: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>From %1 to %2.</source>
        <translation>Del %1 al %2.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%Ln answer(s), %1 right.</source>
        <translation>
            <numerusform>%Ln respuesta, %1 de aciertos.</numerusform>
            <numerusform>%Ln respuestas, %1 de aciertos.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>To practise most: %1.</source>
        <translation>Para practicar más: %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mode or kind</source>
        <translation>Modo o tipo</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+25"/>
        <source>Answers</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <location line="-24"/>
        <location line="+24"/>
        <source>Right</source>
        <translation>Aciertos</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Word missed</source>
        <translation>Palabra fallada</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Misses</source>
        <translation>Fallos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tries</source>
        <translation>Intentos</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Week by week</source>
        <translation>Semana a semana</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Week of</source>
        <translation>Semana del</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../app/editor/main.cpp" line="+47"/>
        <source>Makes and checks Tildora&apos;s exercise lists: words, syllables, accents, spelling and recordings.</source>
        <translation>Crea y comprueba las listas de ejercicios de Tildora: palabras, sílabas, tildes, ortografía y grabaciones.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show the version.</source>
        <translation>Muestra la versión.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>FILE</source>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exercise lists or word lists to open.</source>
        <translation>Listas de ejercicios o de palabras que abrir.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[FILE…]</source>
        <translation>[ARCHIVO…]</translation>
    </message>
</context>
<context>
    <name>tildora::ClassListDialog</name>
    <message>
        <location filename="../src/editor/classlistdialog.cpp" line="+33"/>
        <source>Class list</source>
        <translation>Lista de la clase</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The children&apos;s names, one a line. Tildora shows them as buttons for each child to pick their own. Kept in %1.</source>
        <translation>Los nombres de los alumnos, uno por línea. Tildora los muestra como botones para que cada niño elija el suyo. Se guardan en %1.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The children&apos;s names, one a line</source>
        <translation>Los nombres de los alumnos, uno por línea</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The list could not be saved: %1</source>
        <translation>No se pudo guardar la lista: %1</translation>
    </message>
</context>
<context>
    <name>tildora::EditorAudio</name>
    <message>
        <location filename="../src/editor/audiomodule/qteditoraudio.cpp" line="+52"/>
        <source>the file is not a WAV recording the editor can play</source>
        <translation>el archivo no es una grabación WAV que el editor sepa leer</translation>
    </message>
</context>
<context>
    <name>tildora::EditorWindow</name>
    <message>
        <location filename="../src/editor/editorwindow.cpp" line="+64"/>
        <source>&amp;Words</source>
        <translation>&amp;Palabras</translation>
    </message>
    <message>
        <location line="+130"/>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New list…</source>
        <translation>&amp;Nueva lista…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open…</source>
        <translation>A&amp;brir…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Import words…</source>
        <translation>&amp;Importar palabras…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save &amp;as…</source>
        <translation>Guardar &amp;como…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Make a &amp;copy</source>
        <translation>Hacer una &amp;copia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Rename…</source>
        <translation>&amp;Renombrar…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete (to the trash)</source>
        <translation>&amp;Borrar (a la papelera)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Add the new words</source>
        <translation>&amp;Añadir las palabras nuevas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Remove the chosen lines</source>
        <translation>&amp;Quitar las líneas elegidas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+Delete</source>
        <translation>Ctrl+Delete</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move line &amp;up</source>
        <translation>Subir la &amp;línea</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move line &amp;down</source>
        <translation>Bajar la lí&amp;nea</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Alt+Down</source>
        <translation>Alt+Down</translation>
    </message>
    <message>
        <location line="-156"/>
        <location line="+159"/>
        <source>&amp;Voices</source>
        <translation>&amp;Voces</translation>
    </message>
    <message>
        <location line="-158"/>
        <location line="+159"/>
        <source>&amp;Results</source>
        <translation>&amp;Resultados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About</source>
        <translation>A&amp;cerca de</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About the Tildora exercise editor</source>
        <translation>Acerca del editor de ejercicios de Tildora</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tildora exercise editor %1

Makes and checks the word lists that Tildora&apos;s children practise with.</source>
        <translation>Editor de ejercicios de Tildora %1

Crea y comprueba las listas de palabras con las que practican los alumnos en Tildora.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Unsaved changes</source>
        <translation>Cambios sin guardar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The list «%1» has changes that are not saved. Save them?</source>
        <translation>La lista «%1» tiene cambios sin guardar. ¿Guardarlos?</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+146"/>
        <source>new list</source>
        <translation>lista nueva</translation>
    </message>
    <message>
        <location line="-134"/>
        <source>«%1» is %2, not a list of words: it was not opened.</source>
        <translation>«%1» es %2, no una lista de palabras: no se ha abierto.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot open %1: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>These lines of «%1» could not be made into exercise lines:</source>
        <translation>Estas líneas de «%1» no se pudieron convertir en líneas de ejercicio:</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+103"/>
        <source>These words were made into lines as the rules write them today:</source>
        <translation>Estas palabras se convirtieron en líneas tal como se escriben hoy:</translation>
    </message>
    <message>
        <location line="-58"/>
        <source>Cannot save %1: %2</source>
        <translation>No se puede guardar %1: %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Saved %1</source>
        <translation>Guardado: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>my words</source>
        <translation>mis palabras</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as a list of yours</source>
        <translation>Guardar como una lista tuya</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Name of the list:</source>
        <translation>Nombre de la lista:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Open a list</source>
        <translation>Abrir una lista</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Archivos de texto (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Import words</source>
        <translation>Importar palabras</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Text files (*.txt *.csv);;All files (*)</source>
        <translation>Archivos de texto (*.txt *.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>«%1» is %2, not text: nothing was added. Save it as plain text (.txt) in the program that made it, and import that file.</source>
        <translation>«%1» es %2, no un texto: no se ha añadido nada. Guárdalo como texto sin formato (.txt) en el programa con el que se hizo e importa ese archivo.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Import %1</source>
        <translation>Importar %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>These lines of «%1» were not added:</source>
        <translation>Estas líneas de «%1» no se añadieron:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source> (read-only)</source>
        <translation> (solo lectura)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1%2[*] — Tildora exercise editor</source>
        <translation>%1%2[*] — Editor de ejercicios de Tildora</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>loading the dictionary…</source>
        <translation>cargando el diccionario…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dictionary %1</source>
        <translation>diccionario %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no Spanish dictionary (install hunspell-es)</source>
        <translation>sin diccionario de español (instala hunspell-es)</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n word(s)</source>
        <translation>
            <numerusform>%n palabra</numerusform>
            <numerusform>%n palabras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n error</numerusform>
            <numerusform>%n errores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n aviso</numerusform>
            <numerusform>%n avisos</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tildora exercise editor</source>
        <translation>Editor de ejercicios de Tildora</translation>
    </message>
</context>
<context>
    <name>tildora::ListPanel</name>
    <message>
        <location filename="../src/editor/listpanel.cpp" line="+37"/>
        <source>New</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>A new, empty list of your own</source>
        <translation>Una lista tuya nueva y vacía</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>An editable copy of the chosen list</source>
        <translation>Una copia editable de la lista elegida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>A new name for the chosen list</source>
        <translation>Un nombre nuevo para la lista elegida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show the chosen list earlier in Tildora</source>
        <translation>Mostrar la lista elegida antes en Tildora</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show the chosen list later in Tildora</source>
        <translation>Mostrar la lista elegida después en Tildora</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move the chosen list to the trash</source>
        <translation>Mover la lista elegida a la papelera</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exercise lists</source>
        <translation>Listas de ejercicios</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 (bundled, read-only)</source>
        <translation>%1 (incluida, solo lectura)</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>New list</source>
        <translation>Lista nueva</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Name of the new list:</source>
        <translation>Nombre de la lista nueva:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>my words</source>
        <translation>mis palabras</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Bundled lists cannot be renamed; make a copy first.</source>
        <translation>Las listas incluidas no se pueden renombrar; haz antes una copia.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rename list</source>
        <translation>Renombrar la lista</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>New name of the list:</source>
        <translation>Nombre nuevo de la lista:</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Bundled lists keep their place; make a copy to place it among yours.</source>
        <translation>Las listas incluidas no cambian de lugar; haz una copia para ponerla entre las tuyas.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Bundled lists cannot be deleted.</source>
        <translation>Las listas incluidas no se pueden borrar.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete list</source>
        <translation>Borrar la lista</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move «%1» to the trash? You can bring it back from there.</source>
        <translation>¿Mover «%1» a la papelera? Podrás recuperarla desde allí.</translation>
    </message>
</context>
<context>
    <name>tildora::ResultsPanel</name>
    <message>
        <location filename="../src/editor/resultspanel.cpp" line="+82"/>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <location line="-10"/>
        <location line="+10"/>
        <location line="+15"/>
        <source>Child</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <location line="-25"/>
        <location line="+10"/>
        <source>Answers</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Right</source>
        <translation>Aciertos</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Right %</source>
        <translation>% de aciertos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tries</source>
        <translation>Intentos</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Misses</source>
        <translation>Fallos</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+98"/>
        <source>&amp;New list from the missed words</source>
        <translation>&amp;Nueva lista con las palabras falladas</translation>
    </message>
    <message>
        <location line="-71"/>
        <source>&amp;Reload</source>
        <translation>&amp;Volver a cargar</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>&amp;Show the results</source>
        <translation>&amp;Mostrar los resultados</translation>
    </message>
    <message>
        <location line="-77"/>
        <location line="+138"/>
        <source>All children</source>
        <translation>Todos los alumnos</translation>
    </message>
    <message>
        <location line="-149"/>
        <source>Share right by mode and by kind of word; each child&apos;s weakest kind is marked. Click a cell to choose the child and the kind.</source>
        <translation>Porcentaje de aciertos por modo y por tipo de palabra; se marca el tipo más flojo de cada alumno. Pulsa una celda para elegir el alumno y el tipo.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>any kind</source>
        <translation>cualquier tipo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Kind of the missed words</source>
        <translation>Tipo de las palabras falladas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Make an exercise list of the words the child or the class missed most, to practise them again</source>
        <translation>Crea una lista de ejercicios con las palabras que el alumno o la clase más ha fallado, para practicarlas otra vez</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+74"/>
        <source>&amp;Print or save as PDF…</source>
        <translation>&amp;Imprimir o guardar como PDF…</translation>
    </message>
    <message>
        <location line="-73"/>
        <location line="+74"/>
        <source>C&amp;lass list…</source>
        <translation>&amp;Lista de la clase…</translation>
    </message>
    <message>
        <location line="-65"/>
        <source>C&amp;hild:</source>
        <translation>Al&amp;umno:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;To:</source>
        <translation>&amp;Hasta:</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>&amp;Add results from a folder…</source>
        <translation>&amp;Añadir resultados de una carpeta…</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Reading the answers…</source>
        <translation>Leyendo las respuestas…</translation>
    </message>
    <message>
        <location line="+32"/>
        <location line="+57"/>
        <location line="+58"/>
        <source>(no name given)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <location line="-58"/>
        <location line="+58"/>
        <source>The whole class</source>
        <translation>Toda la clase</translation>
    </message>
    <message>
        <location line="-42"/>
        <source>The weakest kind of word, of those answered at least %1 times</source>
        <translation>El tipo de palabra más flojo, de los respondidos al menos %1 veces</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>In the class list, with no answers in these days</source>
        <translation>En la lista de la clase, sin respuestas en estos días</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>No answers kept yet. Tildora keeps them in %1 as children play.</source>
        <translation>Aún no hay respuestas guardadas. Tildora las guarda en %1 mientras juegan los alumnos.</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n answer(s) shown.</source>
        <translation>
            <numerusform>Se muestra %n respuesta.</numerusform>
            <numerusform>Se muestran %n respuestas.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No list was made: %1</source>
        <translation>No se hizo ninguna lista: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>no missed word has a known exercise line</source>
        <translation>ninguna palabra fallada tiene una línea de ejercicio conocida</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>New list %1 with %n word(s).</source>
        <translation>
            <numerusform>Nueva lista %1 con %n palabra.</numerusform>
            <numerusform>Nueva lista %1 con %n palabras.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/editor/resultspanelprint.cpp" line="+52"/>
        <source>Tildora results</source>
        <translation>Resultados de Tildora</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print or save as PDF</source>
        <translation>Imprimir o guardar como PDF</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The class list is saved: the children pick their names when Tildora starts.</source>
        <translation>La lista de la clase está guardada: los alumnos eligen su nombre al abrir Tildora.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add results from a folder</source>
        <translation>Añadir resultados de una carpeta</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Adding the answers of %1…</source>
        <translation>Añadiendo las respuestas de %1…</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%n answer(s) added</source>
        <translation>
            <numerusform>%n respuesta añadida</numerusform>
            <numerusform>%n respuestas añadidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n already there.</source>
        <translation>
            <numerusform>%n ya estaba.</numerusform>
            <numerusform>%n ya estaban.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tildora::VoicePanel</name>
    <message>
        <location filename="../src/editor/voicepanel.cpp" line="+34"/>
        <source>&amp;Play</source>
        <translation>&amp;Escuchar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Record &amp;missing words</source>
        <translation>Grabar las palabras que &amp;faltan</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+59"/>
        <source>Record my &amp;voice…</source>
        <translation>Grabar mi &amp;voz…</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Said as</source>
        <translation>Se dice</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Recording</source>
        <translation>Grabación</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Play the selected word&apos;s recording as Tildora plays it</source>
        <translation>Escucha la grabación de la palabra elegida tal como suena en Tildora</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Make the missing recordings with the speech synthesiser (espeak-ng)</source>
        <translation>Crea las grabaciones que faltan con el sintetizador de voz (espeak-ng)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Record the selected word from the microphone; it replaces the synthetic recording</source>
        <translation>Graba la palabra elegida con el micrófono; sustituye a la grabación sintética</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>«%1»: %2</source>
        <translation>«%1»: %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Play the word</source>
        <translation>&amp;Escuchar la palabra</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Record the &amp;missing words</source>
        <translation>Grabar las palabras que &amp;faltan</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Cancel recording</source>
        <translation>&amp;Cancelar la grabación</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>in your folder</source>
        <translation>en tu carpeta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bundled with Tildora</source>
        <translation>incluida con Tildora</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>missing</source>
        <translation>falta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (sentence)</source>
        <translation>%1 (frase)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 (the child hears it for %2 too)</source>
        <translation>%1 (el alumno oye esta grabación también para %2)</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Cannot play the recording: %1</source>
        <translation>No se puede escuchar la grabación: %1</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>No loudspeaker or headphones were found, so nothing can be played.</source>
        <translation>No se encontraron altavoces ni auriculares, así que no se puede escuchar nada.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Recording needs %1. Install it with: sudo apt install %2</source>
        <translation>Para grabar hace falta %1. Se instala con: sudo apt install %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>Recording %n word(s)…</source>
        <translation>
            <numerusform>Grabando %n palabra…</numerusform>
            <numerusform>Grabando %n palabras…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+12"/>
        <source>Stopped: %n recording(s) made.</source>
        <translation>
            <numerusform>Detenido: se hizo %n grabación.</numerusform>
            <numerusform>Detenido: se hicieron %n grabaciones.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n recording(s) made.</source>
        <translation>
            <numerusform>Se hizo %n grabación.</numerusform>
            <numerusform>Se hicieron %n grabaciones.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n failed:</source>
        <translation>
            <numerusform>%n falló:</numerusform>
            <numerusform>%n fallaron:</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>No microphone was found. Connect one to record your own voice; everything else works without it.</source>
        <translation>No se encontró ningún micrófono. Conecta uno para grabar tu propia voz; todo lo demás funciona sin él.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Your recording of «%1» is saved; Tildora plays it from now on.</source>
        <translation>Tu grabación de «%1» está guardada; Tildora la usa a partir de ahora.</translation>
    </message>
</context>
<context>
    <name>tildora::VoiceRecorderDialog</name>
    <message>
        <location filename="../src/editor/voicerecorderdialog.cpp" line="+25"/>
        <source>&amp;Record</source>
        <translation>&amp;Grabar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Play back</source>
        <translation>&amp;Escuchar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Keep</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Record «%1»</source>
        <translation>Grabar «%1»</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Say the word slowly and clearly:</source>
        <translation>Di la palabra despacio y con claridad:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Say the sentence slowly and clearly:</source>
        <translation>Di la frase despacio y con claridad:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Microphone level</source>
        <translation>Nivel del micrófono</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>No microphone was found. Connect one and open this window again.</source>
        <translation>No se encontró ningún micrófono. Conecta uno y vuelve a abrir esta ventana.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Press Record, say the sentence, then press Stop.</source>
        <translation>Pulsa Grabar, di la frase y después pulsa Parar.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press Record, say the word, then press Stop.</source>
        <translation>Pulsa Grabar, di la palabra y después pulsa Parar.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>The microphone could not be opened.</source>
        <translation>No se pudo abrir el micrófono.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Stop</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Recording… say «%1», then press Stop.</source>
        <translation>Grabando… di «%1» y después pulsa Parar.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>&amp;Record again</source>
        <translation>&amp;Grabar otra vez</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A take of %1 s. Listen to it, keep it, or record it again.</source>
        <translation>Grabación de %1 s. Escúchala, guárdala o vuelve a grabarla.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nothing was heard. Check the microphone&apos;s volume and record again.</source>
        <translation>No se oyó nada. Comprueba el volumen del micrófono y vuelve a grabar.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No loudspeaker or headphones were found, so the take cannot be played.</source>
        <translation>No se encontraron altavoces ni auriculares, así que la grabación no se puede escuchar.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The recording could not be saved: %1</source>
        <translation>No se pudo guardar la grabación: %1</translation>
    </message>
</context>
<context>
    <name>tildora::WeekChart</name>
    <message>
        <location filename="../src/editor/weekchart.cpp" line="+15"/>
        <source>% right by week</source>
        <translation>% de aciertos por semana</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Right, week by week</source>
        <translation>Aciertos, semana a semana</translation>
    </message>
</context>
<context>
    <name>tildora::WordPanel</name>
    <message>
        <location filename="../src/editor/wordpanel.cpp" line="+107"/>
        <source>New words, one per line, with their written accents:</source>
        <translation>Palabras nuevas, una por línea, con sus tildes:</translation>
    </message>
    <message>
        <source>árbol
canción
pájaro</source>
        <translation type="vanished">árbol
canción
pájaro</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Add to the list</source>
        <translation>&amp;Añadir a la lista</translation>
    </message>
    <message numerus="yes">
        <location line="+49"/>
        <source>Add %n word(s)</source>
        <translation>
            <numerusform>Añadir %n palabra</numerusform>
            <numerusform>Añadir %n palabras</numerusform>
        </translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Choose a word to see it as the child will.</source>
        <translation>Elige una palabra para verla como la verá el alumno.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 — %2, %3</source>
        <translation>%1 — %2, %3</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>with a written accent</source>
        <translation>con tilde</translation>
    </message>
    <message>
        <location line="-147"/>
        <source>The word is right: the spelling check knows it from now on (in your diccionario-extra.txt)</source>
        <translation>La palabra está bien escrita: la comprobación de ortografía la conoce a partir de ahora (en tu diccionario-extra.txt)</translation>
    </message>
    <message>
        <source>árbol
canción
mariposa</source>
        <translation type="vanished">árbol
canción
mariposa</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>árbol
canción
ventana</source>
        <translation>árbol
canción
ventana</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>These lines were not added:</source>
        <translation>Estas líneas no se añadieron:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>These words were added as the rules write them today:</source>
        <translation>Estas palabras se añadieron tal como se escriben hoy:</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>no written accent</source>
        <translation>sin tilde</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This line cannot be read as an exercise.</source>
        <translation>Esta línea no se puede leer como ejercicio.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Error: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Warning: %1</source>
        <translation>Aviso: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No problems.</source>
        <translation>Sin problemas.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Use «%1»</source>
        <translation>Usar «%1»</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Add «%1» to my dictionary</source>
        <translation>Añadir «%1» a mi diccionario</translation>
    </message>
</context>
</TS>
