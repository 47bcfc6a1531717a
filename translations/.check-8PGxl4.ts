<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AddQuestionCommand</name>
    <message>
        <location filename="../src/ui/editing/AddQuestionCommand.cpp" line="12"/>
        <source>New Question %1</source>
        <translation>Nueva pregunta %1</translation>
    </message>
</context>
<context>
    <name>AppendQuestionsCommand</name>
    <message>
        <location filename="../src/ui/editing/AppendQuestionsCommand.cpp" line="10"/>
        <source>Import %1 Questions</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BackupCopy</name>
    <message>
        <location filename="../src/model/BackupCopy.cpp" line="32"/>
        <source>Unable to make a backup copy of this file.<byte value="xd"/>
</source>
        <translation>No se puede hacer una copia de seguridad de este archivo.<byte value="xd"/>
</translation>
    </message>
    <message>
        <location filename="../src/model/BackupCopy.cpp" line="43"/>
        <source>%1 and its backup copy %2 are the same file. Rename one of them before opening it.</source>
        <translation>%1 y su copia de seguridad %2 son el mismo archivo. Cambie el nombre de uno de ellos antes de abrirlo.</translation>
    </message>
    <message>
        <location filename="../src/model/BackupCopy.cpp" line="48"/>
        <source>Unable to make a backup copy of this file. A previous backup copy may be set to read only. You can check this in Explorer.</source>
        <translation>No se puede hacer una copia de seguridad de este archivo. Puede que una copia de seguridad anterior sea de solo lectura. Puede comprobarlo en el explorador de archivos.</translation>
    </message>
</context>
<context>
    <name>BankCheck</name>
    <message>
        <location filename="../src/validation/BankCheck.cpp" line="72"/>
        <source>same question as %1</source>
        <translation>la misma pregunta que %1</translation>
    </message>
    <message>
        <location filename="../src/validation/BankCheck.cpp" line="161"/>
        <source>book number %1 is outside 1 to %2</source>
        <translation>el número de libro %1 no está entre 1 y %2</translation>
    </message>
    <message>
        <location filename="../src/validation/BankCheck.cpp" line="167"/>
        <source>level %1 is outside 1 to 4</source>
        <translation>el nivel %1 no está entre 1 y 4</translation>
    </message>
    <message>
        <location filename="../src/validation/BankCheck.cpp" line="172"/>
        <source>correct answer &apos;%1&apos; is outside A to D</source>
        <translation>la respuesta correcta &apos;%1&apos; no está entre A y D</translation>
    </message>
</context>
<context>
    <name>BankLanguageLink</name>
    <message>
        <location filename="../src/ui/banktools/BankLanguageLink.cpp" line="19"/>
        <source>Bible and Dictionary &amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/BankLanguageLink.cpp" line="21"/>
        <source>The Bible and the spelling dictionary of this question file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/BankLanguageLink.cpp" line="91"/>
        <source>Spelling: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BankTools</name>
    <message>
        <location filename="../src/ui/banktools/BankTools.cpp" line="40"/>
        <source>&amp;Check File</source>
        <translation>&amp;Comprobar archivo</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/BankTools.cpp" line="43"/>
        <source>Check every question of the list</source>
        <translation>Comprobar todas las preguntas de la lista</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/BankTools.cpp" line="46"/>
        <source>&amp;Filter</source>
        <translation>&amp;Filtrar</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/BankTools.cpp" line="49"/>
        <source>Show only the questions that match</source>
        <translation>Mostrar solo las preguntas que coinciden</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/BankTools.cpp" line="53"/>
        <source>Find and &amp;Replace...</source>
        <translation>Buscar y &amp;reemplazar...</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/BankTools.cpp" line="56"/>
        <source>Find and replace text in the questions</source>
        <translation>Buscar y reemplazar texto en las preguntas</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/BankTools.cpp" line="59"/>
        <source>S&amp;tatistics</source>
        <translation>E&amp;stadísticas</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/BankTools.cpp" line="61"/>
        <source>Count the questions by book, level and answer</source>
        <translation>Contar las preguntas por libro, nivel y respuesta</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/BankTools.cpp" line="64"/>
        <source>Find &amp;Duplicates...</source>
        <translation>Buscar &amp;duplicadas...</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/BankTools.cpp" line="67"/>
        <source>List the questions that are the same or nearly the same</source>
        <translation>Listar las preguntas iguales o casi iguales</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/BankTools.cpp" line="77"/>
        <source>Compare with &amp;File...</source>
        <translation>Comparar con &amp;archivo...</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/BankTools.cpp" line="79"/>
        <source>Show the questions another file adds, lacks or changes</source>
        <translation>Mostrar las preguntas que otro archivo añade, no tiene o cambia</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/BankTools.cpp" line="88"/>
        <source>Check Refere&amp;nces...</source>
        <translation>Comprobar refere&amp;ncias...</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/BankTools.cpp" line="91"/>
        <source>List the questions whose right answer is not in the verse they cite</source>
        <translation>Listar las preguntas cuya respuesta correcta no está en el versículo que citan</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/BankTools.cpp" line="126"/>
        <source>Question files (*.qus);;All Files (*)</source>
        <translation>Archivos de preguntas (*.qus);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>BibleLookup</name>
    <message>
        <location filename="../src/scripture/BibleLookup.cpp" line="181"/>
        <source>No Bible module is installed (install sword-text-kjv).</source>
        <translation>No hay ningún módulo de la Biblia instalado (instale sword-text-kjv).</translation>
    </message>
    <message>
        <location filename="../src/scripture/BibleLookup.cpp" line="203"/>
        <source>&apos;%1&apos; is a list of references; look up one verse, range or chapter at a time.</source>
        <translation>&apos;%1&apos; es una lista de referencias; consulte un versículo, un intervalo o un capítulo cada vez.</translation>
    </message>
    <message>
        <location filename="../src/scripture/BibleLookup.cpp" line="209"/>
        <source>&apos;%1&apos; spans several chapters; look up one chapter at a time.</source>
        <translation>&apos;%1&apos; abarca varios capítulos; consulte un capítulo cada vez.</translation>
    </message>
    <message>
        <location filename="../src/scripture/BibleLookup.cpp" line="218"/>
        <source>&apos;%1&apos; is not a reference.</source>
        <translation>&apos;%1&apos; no es una referencia.</translation>
    </message>
    <message>
        <location filename="../src/scripture/BibleLookup.cpp" line="226"/>
        <source>Unknown book &apos;%1&apos;.</source>
        <translation>Libro desconocido &apos;%1&apos;.</translation>
    </message>
    <message>
        <location filename="../src/scripture/BibleLookup.cpp" line="231"/>
        <source>No book is chosen.</source>
        <translation>No se ha elegido ningún libro.</translation>
    </message>
    <message>
        <location filename="../src/scripture/BibleLookup.cpp" line="234"/>
        <source>%1 is not a Bible book.</source>
        <translation>%1 no es un libro de la Biblia.</translation>
    </message>
    <message>
        <location filename="../src/scripture/BibleLookup.cpp" line="245"/>
        <source>%1 has no chapter %2.</source>
        <translation>%1 no tiene capítulo %2.</translation>
    </message>
    <message>
        <location filename="../src/scripture/BibleLookup.cpp" line="253"/>
        <source>%1 %2 has no verse %3; it has %4 verses.</source>
        <translation>%1 %2 no tiene versículo %3; tiene %4 versículos.</translation>
    </message>
</context>
<context>
    <name>CompareDock</name>
    <message>
        <location filename="../src/ui/banktools/CompareDock.cpp" line="53"/>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/CompareDock.cpp" line="61"/>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/CompareDock.cpp" line="61"/>
        <source>Ours</source>
        <translation>Nuestra</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/CompareDock.cpp" line="61"/>
        <source>Theirs</source>
        <translation>Suya</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/CompareDock.cpp" line="63"/>
        <source>Differences from the other file</source>
        <translation>Diferencias con el otro archivo</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/CompareDock.cpp" line="64"/>
        <source>Take &amp;theirs</source>
        <translation>Tomar la &amp;suya</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/CompareDock.cpp" line="67"/>
        <source>Bring the chosen question or field of the other file over</source>
        <translation>Traer la pregunta o el campo elegido del otro archivo</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/CompareDock.cpp" line="112"/>
        <source>Comparing with %1...</source>
        <translation>Comparando con %1...</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/CompareDock.cpp" line="143"/>
        <source>Only in %1 (%2)</source>
        <translation>Solo en %1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/CompareDock.cpp" line="153"/>
        <source>Only in this list (%1)</source>
        <translation>Solo en esta lista (%1)</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/CompareDock.cpp" line="163"/>
        <source>Changed (%1)</source>
        <translation>Cambiadas (%1)</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/CompareDock.cpp" line="187"/>
        <source>%1 holds the same questions.</source>
        <translation>%1 contiene las mismas preguntas.</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/CompareDock.cpp" line="188"/>
        <source>Against %1:</source>
        <translation>Frente a %1:</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/CompareDock.cpp" line="204"/>
        <source>Take question from %1</source>
        <translation>Tomar la pregunta de %1</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/CompareDock.cpp" line="209"/>
        <source>Delete question %1, as %2 has it</source>
        <translation>Borrar la pregunta %1, como la tiene %2</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/CompareDock.cpp" line="212"/>
        <source>Take question %1 from %2</source>
        <translation>Tomar la pregunta %1 de %2</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/CompareDock.cpp" line="220"/>
        <source>Take %1 of question %2 from %3</source>
        <translation>Tomar %1 de la pregunta %2 de %3</translation>
    </message>
</context>
<context>
    <name>DetailPanel</name>
    <message>
        <location filename="../src/ui/editing/DetailPanel.cpp" line="49"/>
        <source>&amp;Book</source>
        <translation>&amp;Libro</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/DetailPanel.cpp" line="52"/>
        <source>&amp;Save New</source>
        <translation>&amp;Guardar nueva</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/DetailPanel.cpp" line="61"/>
        <source>Valid formats = CH, CH-CH, CH:VS, CH:VS-VS</source>
        <translation>Formatos válidos = CAP, CAP-CAP, CAP:VS, CAP:VS-VS</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/DetailPanel.cpp" line="62"/>
        <source>&amp;Reference</source>
        <translation>&amp;Referencia</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/DetailPanel.cpp" line="64"/>
        <source>&amp;Validate</source>
        <translation>&amp;Validar</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/DetailPanel.cpp" line="69"/>
        <source> &amp;Level </source>
        <translation> &amp;Nivel </translation>
    </message>
    <message>
        <location filename="../src/ui/editing/DetailPanel.cpp" line="70"/>
        <source>Single</source>
        <translation>Sencillo</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/DetailPanel.cpp" line="70"/>
        <source>Double</source>
        <translation>Doble</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/DetailPanel.cpp" line="70"/>
        <source>Triple</source>
        <translation>Triple</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/DetailPanel.cpp" line="70"/>
        <source>Home Run</source>
        <translation>Jonrón</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/DetailPanel.cpp" line="75"/>
        <source> &amp;Correct </source>
        <translation> &amp;Correcta </translation>
    </message>
    <message>
        <location filename="../src/ui/editing/DetailPanel.cpp" line="86"/>
        <source>&amp;Question</source>
        <translation>&amp;Pregunta</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/DetailPanel.cpp" line="93"/>
        <source> A&amp;nswers </source>
        <translation> Res&amp;puestas </translation>
    </message>
    <message>
        <location filename="../src/ui/editing/DetailPanel.cpp" line="106"/>
        <source>Answer %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/editing/DetailPanel.cpp" line="112"/>
        <source>The chapter, or chapter and verse: CH, CH-CH, CH:VS or CH:VS-VS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/editing/DetailPanel.cpp" line="115"/>
        <source>Check the reference against the chapters and verses of the book</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DuplicatesDialog</name>
    <message>
        <location filename="../src/ui/banktools/DuplicatesDialog.cpp" line="88"/>
        <source>Find Duplicates</source>
        <translation>Buscar duplicadas</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/DuplicatesDialog.cpp" line="97"/>
        <source>How much of the wording two questions with the same right answer must share</source>
        <translation>Cuánto de la redacción deben compartir dos preguntas con la misma respuesta correcta</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/DuplicatesDialog.cpp" line="98"/>
        <source>Wording &amp;alike:</source>
        <translation>Redacción &amp;parecida:</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/DuplicatesDialog.cpp" line="100"/>
        <source>&amp;Find</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/DuplicatesDialog.cpp" line="105"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/DuplicatesDialog.cpp" line="119"/>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/DuplicatesDialog.cpp" line="119"/>
        <source>Reference</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/DuplicatesDialog.cpp" line="119"/>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/DuplicatesDialog.cpp" line="119"/>
        <source>Right answer</source>
        <translation>Respuesta correcta</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/DuplicatesDialog.cpp" line="123"/>
        <source>Groups of duplicate questions</source>
        <translation>Grupos de preguntas duplicadas</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/DuplicatesDialog.cpp" line="125"/>
        <source>&amp;Keep the first, delete the others</source>
        <translation>&amp;Conservar la primera y borrar las demás</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/DuplicatesDialog.cpp" line="176"/>
        <source>Looking for duplicates...</source>
        <translation>Buscando duplicadas...</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/DuplicatesDialog.cpp" line="194"/>
        <source>The search was cancelled.</source>
        <translation>Se canceló la búsqueda.</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/DuplicatesDialog.cpp" line="207"/>
        <source>The same question</source>
        <translation>La misma pregunta</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/DuplicatesDialog.cpp" line="207"/>
        <source>Nearly the same</source>
        <translation>Casi iguales</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/DuplicatesDialog.cpp" line="222"/>
        <source>No duplicates found.</source>
        <translation>No se encontraron duplicadas.</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/DuplicatesDialog.cpp" line="223"/>
        <source>%1 groups, %2 questions.</source>
        <translation>%1 grupos, %2 preguntas.</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/DuplicatesDialog.cpp" line="248"/>
        <source>Delete %1 duplicates of question %2</source>
        <translation>Borrar %1 duplicadas de la pregunta %2</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/DuplicatesDialog.cpp" line="103"/>
        <source>Questions compared</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditQuestionCommand</name>
    <message>
        <location filename="../src/ui/editing/EditQuestionCommand.cpp" line="13"/>
        <source>Edit of question %1</source>
        <translation>Edición de la pregunta %1</translation>
    </message>
</context>
<context>
    <name>EditingWorkflow</name>
    <message>
        <location filename="../src/ui/editing/EditingWorkflow.cpp" line="61"/>
        <source>Due to the nature of this file, you can not use the double quote character in your text strings. The application will substitute a single quote.</source>
        <translation>Por la naturaleza de este archivo, no puede usar comillas dobles en los textos. La aplicación las sustituirá por comillas simples.</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/EditingWorkflow.cpp" line="132"/>
        <source>Question %1 holds texts longer than the editor keeps; storing it cuts them:</source>
        <translation>La pregunta %1 contiene textos más largos de lo que guarda el editor; al guardarla se recortan:</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/EditingWorkflow.cpp" line="136"/>
        <source><byte value="xd"/>
%1: %2 characters, cut to %3</source>
        <translation><byte value="xd"/>
%1: %2 caracteres, recortado a %3</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/EditingWorkflow.cpp" line="140"/>
        <source><byte value="xd"/>
Store the question?</source>
        <translation><byte value="xd"/>
¿Guardar la pregunta?</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/EditingWorkflow.cpp" line="179"/>
        <source>Do you wish to save the changes to this record before continuing?</source>
        <translation>¿Desea guardar los cambios de este registro antes de continuar?</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/EditingWorkflow.cpp" line="211"/>
        <source>Please select one row only for editing.</source>
        <translation>Seleccione una sola fila para editar.</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/EditingWorkflow.cpp" line="301"/>
        <source>Validation not available for non-Biblical references</source>
        <translation>La validación no está disponible para referencias no bíblicas</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/EditingWorkflow.cpp" line="323"/>
        <source>Store the change in the panel, or cancel it, before Redo.</source>
        <translation>Guarde el cambio del panel, o cancélelo, antes de rehacer.</translation>
    </message>
</context>
<context>
    <name>EditorLock</name>
    <message>
        <location filename="../src/model/EditorLock.cpp" line="15"/>
        <source>another editor</source>
        <translation>otro editor</translation>
    </message>
    <message>
        <location filename="../src/model/EditorLock.cpp" line="18"/>
        <source>, process %1</source>
        <translation>, proceso %1</translation>
    </message>
    <message>
        <location filename="../src/model/EditorLock.cpp" line="20"/>
        <source> on %1</source>
        <translation> en %1</translation>
    </message>
    <message>
        <location filename="../src/model/EditorLock.cpp" line="22"/>
        <source>, since %1</source>
        <translation>, desde %1</translation>
    </message>
</context>
<context>
    <name>FieldReplacer</name>
    <message>
        <location filename="../src/ui/banktools/FieldReplacer.cpp" line="36"/>
        <source>Type the text to find.</source>
        <translation>Escriba el texto que se busca.</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/FieldReplacer.cpp" line="41"/>
        <source>The replacement holds &apos;%1&apos;, which question files cannot hold.</source>
        <translation>El reemplazo contiene &apos;%1&apos;, que los archivos de preguntas no admiten.</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <location filename="../src/ui/editing/FileCommands.cpp" line="26"/>
        <source>Question Files (*.qus);;Question Backup Files (*.qbk);;All Files (*)</source>
        <translation>Archivos de preguntas (*.qus);;Copias de seguridad de preguntas (*.qbk);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/FileCommands.cpp" line="27"/>
        <source>Question Files (*.qus);;All Files (*)</source>
        <translation>Archivos de preguntas (*.qus);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/FileCommands.cpp" line="57"/>
        <source>Not enough memory to open %1.</source>
        <translation>No hay memoria suficiente para abrir %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/FileCommands.cpp" line="114"/>
        <source>1 text of this file is</source>
        <translation>1 texto de este archivo es</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/FileCommands.cpp" line="114"/>
        <source>%1 texts of this file are</source>
        <translation>%1 textos de este archivo son</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/FileCommands.cpp" line="115"/>
        <source> longer than the editor keeps: 90 characters for the question and each answer (as much as the game reads), 25 for the reference. Tools &gt; Check File lists them. Storing an edit of such a question cuts them, after asking.</source>
        <translation> más largos de lo que guarda el editor: 90 caracteres para la pregunta y cada respuesta (lo que lee el juego), 25 para la referencia. Herramientas &gt; Comprobar archivo los lista. Al guardar una edición de esa pregunta se recortan, tras preguntar.</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/FileCommands.cpp" line="138"/>
        <source> The journal was kept as %1.</source>
        <translation> El diario se conservó como %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/FileCommands.cpp" line="139"/>
        <source> The journal could not be kept apart: %1.</source>
        <translation> El diario no se pudo apartar: %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/FileCommands.cpp" line="142"/>
        <source>The unsaved changes of %1 cannot be recovered: %2. The file opens as it was saved.</source>
        <translation>Los cambios sin guardar de %1 no se pueden recuperar: %2. El archivo se abre tal como se guardó.</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/FileCommands.cpp" line="149"/>
        <source>None of the unsaved changes of %1 could be recovered: their journal is damaged from its first change (%2). The file opens as it was saved.</source>
        <translation>No se pudo recuperar ninguno de los cambios sin guardar de %1: su diario está dañado desde el primer cambio (%2). El archivo se abre tal como se guardó.</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/FileCommands.cpp" line="170"/>
        <source>1 unsaved change of %1 came back.</source>
        <translation>Se recuperó 1 cambio sin guardar de %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/FileCommands.cpp" line="171"/>
        <source>%1 unsaved changes of %2 came back.</source>
        <translation>Se recuperaron %1 cambios sin guardar de %2.</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/FileCommands.cpp" line="173"/>
        <source> The end of their journal was cut short (%1): any change after that is lost.</source>
        <translation> El final de su diario estaba cortado (%1): se pierde cualquier cambio posterior.</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/FileCommands.cpp" line="178"/>
        <source> %1 was changed since those changes were made, so they were put back over the file as it was then, in a new untitled list: save it under a name of your choice.</source>
        <translation> %1 cambió después de hacerse esos cambios, así que se aplicaron sobre el archivo tal como era entonces, en una lista nueva sin título: guárdela con el nombre que elija.</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/FileCommands.cpp" line="195"/>
        <source>%1 is already open for editing in %2.<byte value="xd"/>
Open it read-only?</source>
        <translation>%1 ya está abierto para edición en %2.<byte value="xd"/>
¿Abrirlo en solo lectura?</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/FileCommands.cpp" line="210"/>
        <source>%1 has unsaved changes from %2 that were not saved.</source>
        <translation>%1 tiene cambios de %2 que no se guardaron.</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/FileCommands.cpp" line="213"/>
        <source> The file has been changed since then: they would come back as a new untitled list.</source>
        <translation> El archivo ha cambiado desde entonces: volverían como una lista nueva sin título.</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/FileCommands.cpp" line="216"/>
        <source> Recover them?</source>
        <translation> ¿Recuperarlos?</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/FileCommands.cpp" line="224"/>
        <source>The journal of unsaved changes of %1 could not be set aside: %2</source>
        <translation>El diario de cambios sin guardar de %1 no se pudo apartar: %2</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/FileCommands.cpp" line="278"/>
        <source>The question file specified on the command line could not be found. Please re-check and try again or load it manually from the menu or toolbar.</source>
        <translation>No se encontró el archivo de preguntas indicado en la línea de órdenes. Compruébelo e inténtelo de nuevo, o ábralo desde el menú o la barra de herramientas.</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/FileCommands.cpp" line="286"/>
        <source>Please use the Save As option to avoid overwriting a backup file.</source>
        <translation>Use la opción Guardar como para no sobrescribir una copia de seguridad.</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/FileCommands.cpp" line="332"/>
        <source>Do you want to save your changes before opening a new file?</source>
        <translation>¿Desea guardar los cambios antes de abrir un archivo nuevo?</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/FileCommands.cpp" line="355"/>
        <source>%1 was changed by another program since it was opened. Overwrite it?</source>
        <translation>Otro programa cambió %1 después de abrirlo. ¿Sobrescribirlo?</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/FileCommands.cpp" line="368"/>
        <source><byte value="xd"/>
Use Save As to save the file in another folder.</source>
        <translation><byte value="xd"/>
Use Guardar como para guardar el archivo en otra carpeta.</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/FileCommands.cpp" line="386"/>
        <source>%1 was saved, but it could not be read back: %2<byte value="xd"/>
Open it again to go on.</source>
        <translation>%1 se guardó, pero no se pudo volver a leer: %2<byte value="xd"/>
Ábralo de nuevo para continuar.</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/FileCommands.cpp" line="435"/>
        <source>%1 is open for editing in %2. Save the list under another name.</source>
        <translation>%1 está abierto para edición en %2. Guarde la lista con otro nombre.</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/FileCommands.cpp" line="447"/>
        <location filename="../src/ui/editing/FileCommands.cpp" line="467"/>
        <source>Do you want to save your changes before exiting?</source>
        <translation>¿Desea guardar los cambios antes de salir?</translation>
    </message>
</context>
<context>
    <name>FilterBar</name>
    <message>
        <location filename="../src/ui/banktools/FilterBar.cpp" line="38"/>
        <source>Question, answers or reference</source>
        <translation>Pregunta, respuestas o referencia</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/FilterBar.cpp" line="42"/>
        <source>Any book</source>
        <translation>Cualquier libro</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/FilterBar.cpp" line="48"/>
        <source>Any level</source>
        <translation>Cualquier nivel</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/FilterBar.cpp" line="49"/>
        <source>Single</source>
        <translation>Sencillo</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/FilterBar.cpp" line="49"/>
        <source>Double</source>
        <translation>Doble</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/FilterBar.cpp" line="49"/>
        <source>Triple</source>
        <translation>Triple</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/FilterBar.cpp" line="49"/>
        <source>Home Run</source>
        <translation>Jonrón</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/FilterBar.cpp" line="52"/>
        <source>Problems only</source>
        <translation>Solo con problemas</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/FilterBar.cpp" line="54"/>
        <source>Filter:</source>
        <translation>Filtro:</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../src/ui/dialogs/HelpWindow.cpp" line="14"/>
        <source>Quorvale Question Editor Help</source>
        <translation>Ayuda de Quorvale Question Editor</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/HelpWindow.cpp" line="19"/>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="38"/>
        <source>(not used)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="39"/>
        <source>Question</source>
        <translation type="unfinished">Pregunta</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="40"/>
        <source>Answer A</source>
        <translation type="unfinished">La respuesta A</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="41"/>
        <source>Answer B</source>
        <translation type="unfinished">La respuesta B</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="42"/>
        <source>Answer C</source>
        <translation type="unfinished">La respuesta C</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="43"/>
        <source>Answer D</source>
        <translation type="unfinished">La respuesta D</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="44"/>
        <source>Right answer</source>
        <translation type="unfinished">Respuesta correcta</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="45"/>
        <source>Reference</source>
        <translation type="unfinished">Referencia</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="46"/>
        <source>Book</source>
        <translation type="unfinished">Libro</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="47"/>
        <source>Chapter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="48"/>
        <source>Verse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="49"/>
        <source>Level</source>
        <translation type="unfinished">Nivel</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="50"/>
        <source>Title or tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="54"/>
        <source>Single</source>
        <translation type="unfinished">Sencillo</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="54"/>
        <source>Double</source>
        <translation type="unfinished">Doble</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="55"/>
        <source>Triple</source>
        <translation type="unfinished">Triple</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="55"/>
        <source>Home Run</source>
        <translation type="unfinished">Jonrón</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="65"/>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="77"/>
        <source>Cannot import %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="70"/>
        <source>Cannot import %1: it is in none of the formats the editor reads.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="88"/>
        <source>Import %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="93"/>
        <source>Book for questions that name none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="95"/>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="101"/>
        <source>(none)</source>
        <translation type="unfinished">(ninguno)</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="100"/>
        <source>Level for questions that name none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="104"/>
        <source>&amp;Replace characters Windows-1252 cannot hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="106"/>
        <source>Replace characters Windows-1252 cannot hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="108"/>
        <source>&amp;Book when none is given:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="109"/>
        <source>&amp;Level when none is given:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="115"/>
        <source>Questions found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="134"/>
        <source>Preview progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="135"/>
        <source>Cancel</source>
        <translation type="unfinished">Cancelar</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="137"/>
        <source>Stop building the preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="145"/>
        <source>Import the ticked questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="147"/>
        <source>Close without importing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="189"/>
        <source>What the columns hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="198"/>
        <source>Column %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="201"/>
        <source>What %1 holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="237"/>
        <source>Reading the questions...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="288"/>
        <source>The preview was stopped. Change a setting to build it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="306"/>
        <source>%1 questions found: %2 ready, %3 changed, %4 duplicate, %5 refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="318"/>
        <source>&amp;Import 1 question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportDialog.cpp" line="319"/>
        <source>&amp;Import %1 questions</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportExportTool</name>
    <message>
        <location filename="../src/ui/banktools/ImportExportTool.cpp" line="44"/>
        <source>All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportExportTool.cpp" line="54"/>
        <source>&amp;Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportExportTool.cpp" line="56"/>
        <source>Add the questions of a file in another format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportExportTool.cpp" line="59"/>
        <source>E&amp;xport...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportExportTool.cpp" line="61"/>
        <source>Write the questions in another format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportExportTool.cpp" line="81"/>
        <source>The list is open read only: nothing can be added to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportExportTool.cpp" line="88"/>
        <source>Question files of every format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportExportTool.cpp" line="118"/>
        <source>1 question imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportExportTool.cpp" line="118"/>
        <source>%1 questions imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportExportTool.cpp" line="127"/>
        <source>The whole list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportExportTool.cpp" line="128"/>
        <source>The %1 questions the filter shows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportExportTool.cpp" line="130"/>
        <source>Export which questions?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportExportTool.cpp" line="143"/>
        <source>There are no questions to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportExportTool.cpp" line="160"/>
        <source>Write %1 in which format?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportExportTool.cpp" line="196"/>
        <source>Cannot export to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportExportTool.cpp" line="206"/>
        <source>1 question exported to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportExportTool.cpp" line="207"/>
        <source>%1 questions exported to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportExportTool.cpp" line="213"/>
        <source>Not every question fits the format whole:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportPreviewBuilder</name>
    <message>
        <location filename="../src/ui/banktools/ImportPreviewBuilder.cpp" line="83"/>
        <source>The bank already holds this question.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportPreviewBuilder.cpp" line="88"/>
        <source>The same question as %1 of this file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportPreviewModel</name>
    <message>
        <location filename="../src/ui/banktools/ImportPreviewModel.cpp" line="20"/>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportPreviewModel.cpp" line="22"/>
        <source>Changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportPreviewModel.cpp" line="24"/>
        <source>Duplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportPreviewModel.cpp" line="26"/>
        <source>Refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportPreviewModel.cpp" line="91"/>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportPreviewModel.cpp" line="93"/>
        <source>Place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportPreviewModel.cpp" line="95"/>
        <source>Reference</source>
        <translation type="unfinished">Referencia</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportPreviewModel.cpp" line="97"/>
        <source>Question</source>
        <translation type="unfinished">Pregunta</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportPreviewModel.cpp" line="99"/>
        <source>Answers</source>
        <translation type="unfinished">Respuestas</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ImportPreviewModel.cpp" line="101"/>
        <source>Reason</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Interchange</name>
    <message>
        <location filename="../src/interchange/CsvFormat.cpp" line="16"/>
        <source>CSV (comma-separated)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/ImportText.cpp" line="81"/>
        <source>straight double quotes in %1 became typographic ones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/ImportText.cpp" line="86"/>
        <source>a line break in %1 became a space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/ImportText.cpp" line="105"/>
        <source>%1 holds %2 at character %3, which a question file cannot hold (ask for such characters to be replaced)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/ImportText.cpp" line="116"/>
        <source>%1: %2 at character %3 was replaced by “%4”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/JsonFormat.cpp" line="89"/>
        <source>JSON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/JsonFormat.cpp" line="105"/>
        <source>JSON is written, never read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/MoodleXmlFormat.cpp" line="210"/>
        <location filename="../src/interchange/QuestionFormat.cpp" line="22"/>
        <source>line %1: %2</source>
        <translation type="unfinished">línea %1: %2</translation>
    </message>
    <message>
        <location filename="../src/interchange/DelimitedText.cpp" line="96"/>
        <location filename="../src/interchange/SourceText.cpp" line="47"/>
        <source>it is not UTF-16 text throughout, as its first bytes say</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/DelimitedText.cpp" line="106"/>
        <location filename="../src/interchange/SourceText.cpp" line="54"/>
        <source>it is not a text file (it holds NUL bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/TsvFormat.cpp" line="16"/>
        <source>TSV (tab-separated)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/XlsxFormat.cpp" line="27"/>
        <source>Excel workbook (XLSX)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/AikenFormat.cpp" line="42"/>
        <source>Aiken (Moodle)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/AikenFormat.cpp" line="76"/>
        <location filename="../src/interchange/AikenFormat.cpp" line="98"/>
        <location filename="../src/interchange/DelimitedText.cpp" line="173"/>
        <location filename="../src/interchange/GiftFormat.cpp" line="47"/>
        <location filename="../src/interchange/QusFormat.cpp" line="57"/>
        <source>line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/AikenFormat.cpp" line="77"/>
        <source>an ANSWER line follows no question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/AikenFormat.cpp" line="95"/>
        <location filename="../src/interchange/AikenFormat.cpp" line="105"/>
        <source>no ANSWER line ends this question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/DelimitedText.cpp" line="133"/>
        <source>line %1: a quoted field begins here and is never closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/GiftAnswers.cpp" line="131"/>
        <location filename="../src/interchange/GiftAnswers.cpp" line="143"/>
        <source>it has no answers in braces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/GiftAnswers.cpp" line="140"/>
        <source>it is a numerical question, not multiple choice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/GiftAnswers.cpp" line="144"/>
        <source>it is a true-false question, not multiple choice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/GiftAnswers.cpp" line="151"/>
        <source>it is a matching question, not multiple choice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/GiftAnswers.cpp" line="167"/>
        <source>it is a short-answer question: every answer is right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/GiftAnswers.cpp" line="172"/>
        <source>it has no right answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/GiftAnswers.cpp" line="176"/>
        <source>it has more than one right answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/GiftFormat.cpp" line="105"/>
        <source>GIFT (Moodle)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/ImportRowChecker.cpp" line="25"/>
        <source>the question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/ImportRowChecker.cpp" line="27"/>
        <source>answer A</source>
        <translation type="unfinished">respuesta A</translation>
    </message>
    <message>
        <location filename="../src/interchange/ImportRowChecker.cpp" line="29"/>
        <source>answer B</source>
        <translation type="unfinished">respuesta B</translation>
    </message>
    <message>
        <location filename="../src/interchange/ImportRowChecker.cpp" line="31"/>
        <source>answer C</source>
        <translation type="unfinished">respuesta C</translation>
    </message>
    <message>
        <location filename="../src/interchange/ImportRowChecker.cpp" line="33"/>
        <source>answer D</source>
        <translation type="unfinished">respuesta D</translation>
    </message>
    <message>
        <location filename="../src/interchange/ImportRowChecker.cpp" line="43"/>
        <source>no right answer is given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/ImportRowChecker.cpp" line="65"/>
        <source>the right answer “%1” is none of the answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/ImportRowChecker.cpp" line="68"/>
        <source>the right answer “%1” is more than one of the answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/ImportRowChecker.cpp" line="101"/>
        <source>a question needs exactly four answers; it has %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/ImportRowChecker.cpp" line="111"/>
        <source>the level “%1” is none of Single, Double, Triple, Home Run or 1-4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/ImportRowChecker.cpp" line="122"/>
        <source>the book “%1” is not one the editor knows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/ImportRowChecker.cpp" line="169"/>
        <source>the reference “%1” was taken out of the question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/ImportRowChecker.cpp" line="192"/>
        <source>%1 is %2 characters long; a question file holds %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/ImportRowChecker.cpp" line="199"/>
        <source>the reference “%1” is %2 characters long; a question file holds %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/ImportRowChecker.cpp" line="231"/>
        <source>the reference “%1”: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/InterchangeFormats.cpp" line="98"/>
        <source>the file does not exist</source>
        <translation type="unfinished">el archivo no existe</translation>
    </message>
    <message>
        <location filename="../src/interchange/InterchangeFormats.cpp" line="102"/>
        <source>it is a folder</source>
        <translation type="unfinished">es una carpeta</translation>
    </message>
    <message>
        <location filename="../src/interchange/InterchangeFormats.cpp" line="106"/>
        <source>it is not a regular file</source>
        <translation type="unfinished">no es un archivo normal</translation>
    </message>
    <message>
        <location filename="../src/interchange/InterchangeFormats.cpp" line="110"/>
        <source>it is larger than %1 MiB, the most an import reads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/InterchangeFormats.cpp" line="126"/>
        <source>it is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/MoodleXmlFormat.cpp" line="89"/>
        <source>it is a %1 question, not multiple choice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/MoodleXmlFormat.cpp" line="94"/>
        <source>it allows more than one answer to be chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/MoodleXmlFormat.cpp" line="108"/>
        <source>it has no answer at fraction 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/MoodleXmlFormat.cpp" line="109"/>
        <source>it has more than one answer at fraction 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/MoodleXmlFormat.cpp" line="138"/>
        <source>Moodle XML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/MoodleXmlFormat.cpp" line="165"/>
        <source>it holds a document type definition (&lt;!DOCTYPE&gt;), which an import never reads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/MoodleXmlFormat.cpp" line="174"/>
        <source>it is XML, but not a Moodle quiz (&lt;quiz&gt;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/MoodleXmlFormat.cpp" line="195"/>
        <source>question %1 (line %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/MoodleXmlFormat.cpp" line="198"/>
        <source>question %1 “%2” (line %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/MoodleXmlFormat.cpp" line="214"/>
        <source>it holds no &lt;quiz&gt; element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/QusFormat.cpp" line="24"/>
        <source>Question file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/QusFormat.cpp" line="69"/>
        <source>it holds %1 fields; a question line holds nine</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IoErrorText</name>
    <message>
        <location filename="../src/model/IoErrorText.cpp" line="12"/>
        <source>No Error</source>
        <translation>Sin error</translation>
    </message>
    <message>
        <location filename="../src/model/IoErrorText.cpp" line="14"/>
        <source>System error - report to programmer</source>
        <translation>Error del sistema: informe al programador</translation>
    </message>
    <message>
        <location filename="../src/model/IoErrorText.cpp" line="16"/>
        <source>File not found</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <location filename="../src/model/IoErrorText.cpp" line="18"/>
        <source>Path not found</source>
        <translation>Ruta no encontrada</translation>
    </message>
    <message>
        <location filename="../src/model/IoErrorText.cpp" line="20"/>
        <source>Too many open files</source>
        <translation>Demasiados archivos abiertos</translation>
    </message>
    <message>
        <location filename="../src/model/IoErrorText.cpp" line="22"/>
        <source>Write protected or already exists</source>
        <translation>Protegido contra escritura o ya existe</translation>
    </message>
    <message>
        <location filename="../src/model/IoErrorText.cpp" line="24"/>
        <source>Invalid File Handle</source>
        <translation>Identificador de archivo no válido</translation>
    </message>
    <message>
        <location filename="../src/model/IoErrorText.cpp" line="26"/>
        <source>Invalid File Access Code</source>
        <translation>Código de acceso al archivo no válido</translation>
    </message>
    <message>
        <location filename="../src/model/IoErrorText.cpp" line="28"/>
        <source>Invalid Drive Number</source>
        <translation>Número de unidad no válido</translation>
    </message>
    <message>
        <location filename="../src/model/IoErrorText.cpp" line="30"/>
        <source>Cannot remove current directory</source>
        <translation>No se puede eliminar la carpeta actual</translation>
    </message>
    <message>
        <location filename="../src/model/IoErrorText.cpp" line="32"/>
        <source>Cannot rename across drives</source>
        <translation>No se puede cambiar el nombre entre unidades</translation>
    </message>
    <message>
        <location filename="../src/model/IoErrorText.cpp" line="34"/>
        <source>Disk read error</source>
        <translation>Error de lectura del disco</translation>
    </message>
    <message>
        <location filename="../src/model/IoErrorText.cpp" line="36"/>
        <source>Disk write error</source>
        <translation>Error de escritura del disco</translation>
    </message>
    <message>
        <location filename="../src/model/IoErrorText.cpp" line="38"/>
        <source>File not assigned</source>
        <translation>Archivo no asignado</translation>
    </message>
    <message>
        <location filename="../src/model/IoErrorText.cpp" line="40"/>
        <source>File not open</source>
        <translation>Archivo no abierto</translation>
    </message>
    <message>
        <location filename="../src/model/IoErrorText.cpp" line="42"/>
        <source>File not open for output</source>
        <translation>Archivo no abierto para escritura</translation>
    </message>
    <message>
        <location filename="../src/model/IoErrorText.cpp" line="44"/>
        <source>Invalid numeric format</source>
        <translation>Formato numérico no válido</translation>
    </message>
    <message>
        <location filename="../src/model/IoErrorText.cpp" line="46"/>
        <source>Disk is write protected</source>
        <translation>El disco está protegido contra escritura</translation>
    </message>
    <message>
        <location filename="../src/model/IoErrorText.cpp" line="48"/>
        <source>Unknown unit</source>
        <translation>Unidad desconocida</translation>
    </message>
    <message>
        <location filename="../src/model/IoErrorText.cpp" line="50"/>
        <source>Drive not ready</source>
        <translation>La unidad no está lista</translation>
    </message>
    <message>
        <location filename="../src/model/IoErrorText.cpp" line="52"/>
        <source>Unknown command</source>
        <translation>Orden desconocida</translation>
    </message>
    <message>
        <location filename="../src/model/IoErrorText.cpp" line="54"/>
        <source>CRC error is data</source>
        <translation>Error de CRC en los datos</translation>
    </message>
    <message>
        <location filename="../src/model/IoErrorText.cpp" line="56"/>
        <source>Bad drive request structure length</source>
        <translation>Longitud incorrecta de la estructura de petición a la unidad</translation>
    </message>
    <message>
        <location filename="../src/model/IoErrorText.cpp" line="58"/>
        <source>Disk seek error</source>
        <translation>Error de búsqueda en el disco</translation>
    </message>
    <message>
        <location filename="../src/model/IoErrorText.cpp" line="60"/>
        <source>Unknown media type</source>
        <translation>Tipo de soporte desconocido</translation>
    </message>
    <message>
        <location filename="../src/model/IoErrorText.cpp" line="62"/>
        <source>Sector not found</source>
        <translation>Sector no encontrado</translation>
    </message>
    <message>
        <location filename="../src/model/IoErrorText.cpp" line="64"/>
        <source>Printer out of paper</source>
        <translation>La impresora no tiene papel</translation>
    </message>
    <message>
        <location filename="../src/model/IoErrorText.cpp" line="66"/>
        <source>Device write fault</source>
        <translation>Fallo de escritura del dispositivo</translation>
    </message>
    <message>
        <location filename="../src/model/IoErrorText.cpp" line="68"/>
        <source>Device read fault</source>
        <translation>Fallo de lectura del dispositivo</translation>
    </message>
    <message>
        <location filename="../src/model/IoErrorText.cpp" line="70"/>
        <source>Hardware failure or file in use</source>
        <translation>Fallo del hardware o archivo en uso</translation>
    </message>
    <message>
        <location filename="../src/model/IoErrorText.cpp" line="72"/>
        <source>Unknown I/O failure</source>
        <translation>Fallo de E/S desconocido</translation>
    </message>
</context>
<context>
    <name>JournalReplay</name>
    <message>
        <location filename="../src/model/JournalReplay.cpp" line="46"/>
        <source>the change holds a record cut short</source>
        <translation>el cambio contiene un registro cortado</translation>
    </message>
    <message>
        <location filename="../src/model/JournalReplay.cpp" line="56"/>
        <source>the change removes a row from an empty list</source>
        <translation>el cambio quita una fila de una lista vacía</translation>
    </message>
    <message>
        <location filename="../src/model/JournalReplay.cpp" line="63"/>
        <source>the change names the row &quot;%1&quot; of a list of %2</source>
        <translation>el cambio nombra la fila &quot;%1&quot; de una lista de %2</translation>
    </message>
    <message>
        <location filename="../src/model/JournalReplay.cpp" line="69"/>
        <source>the change holds the marks &quot;%1&quot;</source>
        <translation>el cambio contiene las marcas &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../src/model/JournalReplay.cpp" line="80"/>
        <source>the change holds a row whose lengths are wrong</source>
        <translation>el cambio contiene una fila con longitudes incorrectas</translation>
    </message>
    <message>
        <location filename="../src/model/JournalReplay.cpp" line="87"/>
        <source>the change stores a line that holds a line break</source>
        <translation>el cambio guarda una línea que contiene un salto de línea</translation>
    </message>
    <message>
        <location filename="../src/model/JournalReplay.cpp" line="92"/>
        <source>the change stores a line that does not decode (%1)</source>
        <translation>el cambio guarda una línea que no se puede decodificar (%1)</translation>
    </message>
    <message>
        <location filename="../src/model/JournalReplay.cpp" line="99"/>
        <source>the change holds a record the editor does not write</source>
        <translation>el cambio contiene un registro que el editor no escribe</translation>
    </message>
    <message>
        <location filename="../src/model/JournalReplay.cpp" line="122"/>
        <source>the journal %1 was written by an older version of the editor and is not replayed</source>
        <translation>el diario %1 lo escribió una versión anterior del editor y no se reproduce</translation>
    </message>
    <message>
        <location filename="../src/model/JournalReplay.cpp" line="129"/>
        <source>%1 is not a recovery journal</source>
        <translation>%1 no es un diario de recuperación</translation>
    </message>
    <message>
        <location filename="../src/model/JournalReplay.cpp" line="163"/>
        <source>the heading of the journal %1 is damaged</source>
        <translation>la cabecera del diario %1 está dañada</translation>
    </message>
    <message>
        <location filename="../src/model/JournalReplay.cpp" line="177"/>
        <source>the file as the journal %1 keeps it does not read: %2</source>
        <translation>el archivo tal como lo guarda el diario %1 no se puede leer: %2</translation>
    </message>
    <message>
        <location filename="../src/model/JournalReplay.cpp" line="191"/>
        <source>at byte %1, %2</source>
        <translation>en el byte %1, %2</translation>
    </message>
    <message>
        <location filename="../src/model/JournalReplay.cpp" line="195"/>
        <location filename="../src/model/JournalReplay.cpp" line="213"/>
        <source>the change is cut short</source>
        <translation>el cambio está cortado</translation>
    </message>
    <message>
        <location filename="../src/model/JournalReplay.cpp" line="208"/>
        <source>what follows is not a change the editor writes</source>
        <translation>lo que sigue no es un cambio que escriba el editor</translation>
    </message>
    <message>
        <location filename="../src/model/JournalReplay.cpp" line="220"/>
        <source>the change does not match its checksum</source>
        <translation>el cambio no coincide con su suma de comprobación</translation>
    </message>
</context>
<context>
    <name>KahootFormat</name>
    <message>
        <location filename="../src/interchange/KahootFormat.cpp" line="47"/>
        <source>Kahoot! quiz spreadsheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/KahootFormat.cpp" line="109"/>
        <source>Kahoot! quiz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/KahootFormat.cpp" line="112"/>
        <source>%1 questions from a question bank.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/KahootFormat.cpp" line="116"/>
        <source>From row 8: the question in B, the four answers in C to F, the time limit in seconds in G, the number of the right answer in H.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/KahootFormat.cpp" line="130"/>
        <source>question %1 (row %2): the question has %3 characters, Kahoot! takes %4; it is written whole, to be shortened in Kahoot!.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/KahootFormat.cpp" line="142"/>
        <source>question %1 (row %2): answer %3 has %4 characters, Kahoot! takes %5; it is written whole, to be shortened in Kahoot!.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <location filename="../src/ui/window/LanguageMenu.cpp" line="15"/>
        <source>System Default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <location filename="../src/ui/window/LanguageMenu.cpp" line="38"/>
        <source>The language changes the next time the editor starts.</source>
        <translation>El idioma cambia la próxima vez que se inicie el editor.</translation>
    </message>
</context>
<context>
    <name>MainWindowControls</name>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="46"/>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="46"/>
        <source>Open|Open a file.</source>
        <translation>Abrir|Abrir un archivo.</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="48"/>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="49"/>
        <source>Save|Save the current file.</source>
        <translation>Guardar|Guardar el archivo actual.</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="50"/>
        <source>New Question</source>
        <translation>Nueva pregunta</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="51"/>
        <source>New Question|Add a new question.</source>
        <translation>Nueva pregunta|Añadir una pregunta nueva.</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="52"/>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="53"/>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="94"/>
        <source>Edit|Edit the highlighted question.</source>
        <translation>Editar|Editar la pregunta resaltada.</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="54"/>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="55"/>
        <source>Delete|Delete the highlighted question(s).</source>
        <translation>Borrar|Borrar las preguntas resaltadas.</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="56"/>
        <source>Cancel Edit</source>
        <translation>Cancelar edición</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="57"/>
        <source>Cancel Edit|Reload the edit boxes without saving any changes.</source>
        <translation>Cancelar edición|Volver a cargar los cuadros de edición sin guardar ningún cambio.</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="59"/>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="60"/>
        <source>Undo|Take back the last change to the list.</source>
        <translation>Deshacer|Deshacer el último cambio de la lista.</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="61"/>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="62"/>
        <source>Redo|Make again the change last taken back.</source>
        <translation>Rehacer|Volver a hacer el último cambio deshecho.</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="63"/>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="64"/>
        <source>Search|Open the question search form</source>
        <translation>Buscar|Abrir el formulario de búsqueda de preguntas</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="66"/>
        <source>Print Reports</source>
        <translation>Imprimir informes</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="67"/>
        <source>Print Reports|Show report generation screen</source>
        <translation>Imprimir informes|Mostrar la pantalla de generación de informes</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="68"/>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="69"/>
        <source>Exit|Exit the application.</source>
        <translation>Salir|Salir de la aplicación.</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="71"/>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="71"/>
        <source>Open a file</source>
        <translation>Abrir un archivo</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="72"/>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="73"/>
        <source>New|Begin a New Question File</source>
        <translation>Nuevo|Empezar un archivo de preguntas nuevo</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="75"/>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="75"/>
        <source>Save current file</source>
        <translation>Guardar el archivo actual</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="76"/>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="77"/>
        <source>Save the current question list with a new name.</source>
        <translation>Guardar la lista de preguntas actual con un nombre nuevo.</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="79"/>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="79"/>
        <source>Exit application</source>
        <translation>Salir de la aplicación</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="86"/>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="130"/>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="87"/>
        <source>Add|Add a new question (to the end of the list only).</source>
        <translation>Añadir|Añadir una pregunta nueva (solo al final de la lista).</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="89"/>
        <source>&amp;Cancel Edit</source>
        <translation>&amp;Cancelar edición</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="91"/>
        <source>&amp;Delete/Restore</source>
        <translation>&amp;Borrar/Restaurar</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="92"/>
        <source>Delete/Restore|Mark the highlighted questions for deletion/restoration.</source>
        <translation>Borrar/Restaurar|Marcar las preguntas resaltadas para borrarlas o restaurarlas.</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="93"/>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="132"/>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="95"/>
        <source>&amp;Search</source>
        <translation>B&amp;uscar</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="96"/>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="97"/>
        <source>Take back the last change to the list.</source>
        <translation>Deshacer el último cambio de la lista.</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="98"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="99"/>
        <source>Make again the change last taken back.</source>
        <translation>Volver a hacer el último cambio deshecho.</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="105"/>
        <source>&amp;Autosave</source>
        <translation>Guardado &amp;automático</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="106"/>
        <source>Automatically save changes when moving to another record.</source>
        <translation>Guardar los cambios automáticamente al pasar a otro registro.</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="108"/>
        <source>Always &amp;Warn</source>
        <translation>Avisar &amp;siempre</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="109"/>
        <source>Displays a message when you type unacceptable characters.</source>
        <translation>Muestra un mensaje cuando escribe caracteres no admitidos.</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="111"/>
        <source>&amp;Reset Validate with each record change</source>
        <translation>&amp;Restablecer Validar al cambiar de registro</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="112"/>
        <source>|Allow the Validation checkbox to remain unchecked.</source>
        <translation>|Permitir que la casilla Validar siga sin marcar.</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="113"/>
        <source>Help Hints</source>
        <translation>Sugerencias de ayuda</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="114"/>
        <source>Toggle &quot;Bubble&quot; Hints|Toggle Hint Boxes on and off</source>
        <translation>Activar o desactivar las sugerencias|Activar o desactivar los recuadros de sugerencia</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="120"/>
        <source>Rebuild &amp;Validation Table</source>
        <translation>Reconstruir la tabla de &amp;validación</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="120"/>
        <source>|Rebuilds and reloads the validation table.</source>
        <translation>|Reconstruye y vuelve a cargar la tabla de validación.</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="122"/>
        <source>&amp;Reports</source>
        <translation>&amp;Informes</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="123"/>
        <source>Display the report request window.</source>
        <translation>Mostrar la ventana de solicitud de informes.</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="124"/>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="171"/>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="125"/>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="173"/>
        <source>Open the help file</source>
        <translation>Abrir el archivo de ayuda</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="127"/>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="128"/>
        <source>Display the about box</source>
        <translation>Mostrar el cuadro Acerca de</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="131"/>
        <source>Add a new question (to the end of the list only).</source>
        <translation>Añadir una pregunta nueva (solo al final de la lista).</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="133"/>
        <source>Edit the highlighted question.</source>
        <translation>Editar la pregunta resaltada.</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="134"/>
        <source>&amp;Toggle Delete Flag</source>
        <translation>&amp;Marcar o desmarcar para borrar</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="135"/>
        <source>Mark the highlighted questions for deletion/restoration.</source>
        <translation>Marcar las preguntas resaltadas para borrarlas o restaurarlas.</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="136"/>
        <source>C&amp;lose</source>
        <translation>C&amp;errar</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="136"/>
        <source>Close this menu.</source>
        <translation>Cerrar este menú.</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="142"/>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="148"/>
        <source>&amp;Actions</source>
        <translation>A&amp;cciones</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="156"/>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="162"/>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="166"/>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="185"/>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="238"/>
        <source>Changes not kept for recovery</source>
        <translation>Cambios no guardados para recuperación</translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="216"/>
        <source>Questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/window/MainWindowControls.cpp" line="217"/>
        <source>The questions of the file; the chosen one is edited below</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrivateFile</name>
    <message>
        <location filename="../src/scripture/PrivateFile.cpp" line="46"/>
        <source>The folder %1 cannot be made: </source>
        <translation>No se puede crear la carpeta %1: </translation>
    </message>
</context>
<context>
    <name>ProblemsDock</name>
    <message>
        <location filename="../src/ui/banktools/ProblemsDock.cpp" line="43"/>
        <location filename="../src/ui/banktools/ProblemsDock.cpp" line="50"/>
        <location filename="../src/ui/banktools/ProblemsDock.cpp" line="122"/>
        <source>Problems</source>
        <translation>Problemas</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ProblemsDock.cpp" line="65"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ProblemsDock.cpp" line="122"/>
        <source>Problems: none found</source>
        <translation>Problemas: no se encontró ninguno</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ProblemsDock.cpp" line="51"/>
        <source>The problems of the file; Enter opens the question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ProblemsDock.cpp" line="64"/>
        <source>Questions checked</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtReportOutput</name>
    <message>
        <location filename="../src/reports/QtReportOutput.cpp" line="23"/>
        <source>No printer is available. Use Preview to view the report or save it as PDF.</source>
        <translation>No hay ninguna impresora disponible. Use Vista previa para ver el informe o guardarlo como PDF.</translation>
    </message>
    <message>
        <location filename="../src/reports/QtReportOutput.cpp" line="53"/>
        <location filename="../src/reports/QtReportOutput.cpp" line="106"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../src/reports/QtReportOutput.cpp" line="55"/>
        <source>Printing</source>
        <translation>Imprimiendo</translation>
    </message>
    <message>
        <location filename="../src/reports/QtReportOutput.cpp" line="60"/>
        <source>Printing page %1 of %2</source>
        <translation>Imprimiendo la página %1 de %2</translation>
    </message>
    <message>
        <location filename="../src/reports/QtReportOutput.cpp" line="74"/>
        <source>The report could not be sent to the printer.</source>
        <translation>No se pudo enviar el informe a la impresora.</translation>
    </message>
    <message>
        <location filename="../src/reports/QtReportOutput.cpp" line="95"/>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>Archivos PDF (*.pdf);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location filename="../src/reports/QtReportOutput.cpp" line="108"/>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <location filename="../src/reports/QtReportOutput.cpp" line="112"/>
        <source>Drawing page %1 of %2</source>
        <translation>Dibujando la página %1 de %2</translation>
    </message>
</context>
<context>
    <name>QtUserPrompts</name>
    <message>
        <location filename="../src/widgets/QtUserPrompts.cpp" line="36"/>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <location filename="../src/widgets/QtUserPrompts.cpp" line="53"/>
        <source>Question Editor</source>
        <translation>Editor de preguntas</translation>
    </message>
    <message>
        <location filename="../src/widgets/QtUserPrompts.cpp" line="65"/>
        <source>Open Read-Only</source>
        <translation>Abrir en solo lectura</translation>
    </message>
</context>
<context>
    <name>QuestionFields</name>
    <message>
        <location filename="../src/matching/QuestionFields.cpp" line="11"/>
        <source>Book</source>
        <translation>Libro</translation>
    </message>
    <message>
        <location filename="../src/matching/QuestionFields.cpp" line="12"/>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <location filename="../src/matching/QuestionFields.cpp" line="13"/>
        <source>Correct</source>
        <translation>Correcta</translation>
    </message>
    <message>
        <location filename="../src/matching/QuestionFields.cpp" line="14"/>
        <source>Reference</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <location filename="../src/matching/QuestionFields.cpp" line="15"/>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <location filename="../src/matching/QuestionFields.cpp" line="16"/>
        <source>AnswerA</source>
        <translation>Respuesta A</translation>
    </message>
    <message>
        <location filename="../src/matching/QuestionFields.cpp" line="17"/>
        <source>AnswerB</source>
        <translation>Respuesta B</translation>
    </message>
    <message>
        <location filename="../src/matching/QuestionFields.cpp" line="18"/>
        <source>AnswerC</source>
        <translation>Respuesta C</translation>
    </message>
    <message>
        <location filename="../src/matching/QuestionFields.cpp" line="19"/>
        <source>AnswerD</source>
        <translation>Respuesta D</translation>
    </message>
</context>
<context>
    <name>QuestionFileReader</name>
    <message>
        <location filename="../tools/qvedtool/QuestionFileReader.cpp" line="20"/>
        <source>standard input</source>
        <translation>la entrada estándar</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/QuestionFileReader.cpp" line="31"/>
        <source>it is a device, not a question file</source>
        <translation>es un dispositivo, no un archivo de preguntas</translation>
    </message>
</context>
<context>
    <name>QuestionGridModel</name>
    <message>
        <location filename="../src/ui/editing/QuestionGridModel.cpp" line="59"/>
        <source>NBR</source>
        <translation>NÚM</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/QuestionGridModel.cpp" line="59"/>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/QuestionGridModel.cpp" line="60"/>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/QuestionGridModel.cpp" line="61"/>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
</context>
<context>
    <name>QuestionList</name>
    <message>
        <location filename="../src/model/QuestionList.cpp" line="173"/>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
</context>
<context>
    <name>QvedApplication</name>
    <message>
        <location filename="../src/app/QvedApplication.cpp" line="45"/>
        <source>Edits the question files (.qus) of the baseball Bible quiz: a grid of the
questions, checks before every change is stored, search and reports.
Opening a file leaves a backup copy (.qbk) beside it.</source>
        <translation>Edita los archivos de preguntas (.qus) del concurso bíblico de béisbol: una
cuadrícula de las preguntas, comprobaciones antes de guardar cada cambio,
búsqueda e informes. Al abrir un archivo deja a su lado una copia de
seguridad (.qbk).</translation>
    </message>
    <message>
        <location filename="../src/app/QvedApplication.cpp" line="54"/>
        <source>The question file to open (optional).</source>
        <translation>El archivo de preguntas que se abre (opcional).</translation>
    </message>
</context>
<context>
    <name>QvedError</name>
    <message>
        <location filename="../src/model/QvedError.cpp" line="15"/>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; no es un número entero válido</translation>
    </message>
    <message>
        <location filename="../src/model/QvedError.cpp" line="23"/>
        <source>Cannot open file %1</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <location filename="../src/model/QvedError.cpp" line="26"/>
        <source>Cannot open file %1: %2.</source>
        <translation>No se puede abrir el archivo %1: %2.</translation>
    </message>
    <message>
        <location filename="../src/model/QvedError.cpp" line="33"/>
        <source>List index out of bounds (%1)</source>
        <translation>Índice de la lista fuera de rango (%1)</translation>
    </message>
</context>
<context>
    <name>ReadWholeFile</name>
    <message>
        <location filename="../src/model/ReadWholeFile.cpp" line="24"/>
        <source>it is larger than 1 GiB, the most a file read whole may hold</source>
        <translation>es mayor de 1 GiB, lo máximo que puede tener un archivo leído entero</translation>
    </message>
    <message>
        <location filename="../src/model/ReadWholeFile.cpp" line="27"/>
        <source>it is larger than %1 bytes, the most it may hold</source>
        <translation>es mayor de %1 bytes, lo máximo que puede tener</translation>
    </message>
    <message>
        <location filename="../src/model/ReadWholeFile.cpp" line="48"/>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <location filename="../src/model/ReadWholeFile.cpp" line="50"/>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <location filename="../src/model/ReadWholeFile.cpp" line="52"/>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
</context>
<context>
    <name>RecentFilesMenu</name>
    <message>
        <location filename="../src/ui/window/RecentFilesMenu.cpp" line="40"/>
        <source>&amp;%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/window/RecentFilesMenu.cpp" line="41"/>
        <source>Open %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/window/RecentFilesMenu.cpp" line="50"/>
        <source>%1 cannot be found. It was taken off the recent files.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordChecks</name>
    <message>
        <location filename="../src/validation/RecordChecks.cpp" line="15"/>
        <source>The following errors were encountered during error checking:<byte value="xd"/>
</source>
        <translation>Se encontraron los siguientes errores al comprobar:<byte value="xd"/>
</translation>
    </message>
    <message>
        <location filename="../src/validation/RecordChecks.cpp" line="43"/>
        <source>%1 does not have a chapter %2<byte value="xd"/>
</source>
        <translation>%1 no tiene capítulo %2<byte value="xd"/>
</translation>
    </message>
    <message>
        <location filename="../src/validation/RecordChecks.cpp" line="59"/>
        <source>Invalid verse (%1)<byte value="xd"/>
</source>
        <translation>Versículo no válido (%1)<byte value="xd"/>
</translation>
    </message>
    <message>
        <location filename="../src/validation/RecordChecks.cpp" line="72"/>
        <source>%1 contains a double quote or a line break.<byte value="xd"/>
</source>
        <translation>%1 contiene comillas dobles o un salto de línea.<byte value="xd"/>
</translation>
    </message>
    <message>
        <location filename="../src/validation/RecordChecks.cpp" line="77"/>
        <source>%1 contains a character that a question file cannot hold.<byte value="xd"/>
</source>
        <translation>%1 contiene un carácter que un archivo de preguntas no admite.<byte value="xd"/>
</translation>
    </message>
    <message>
        <location filename="../src/validation/RecordChecks.cpp" line="171"/>
        <source>Reference book not specified.<byte value="xd"/>
</source>
        <translation>No se ha indicado el libro de la referencia.<byte value="xd"/>
</translation>
    </message>
    <message>
        <location filename="../src/validation/RecordChecks.cpp" line="173"/>
        <source>Reference location not specified.<byte value="xd"/>
</source>
        <translation>No se ha indicado el lugar de la referencia.<byte value="xd"/>
</translation>
    </message>
    <message>
        <location filename="../src/validation/RecordChecks.cpp" line="175"/>
        <source>Difficulty level not specified.<byte value="xd"/>
</source>
        <translation>No se ha indicado el nivel de dificultad.<byte value="xd"/>
</translation>
    </message>
    <message>
        <location filename="../src/validation/RecordChecks.cpp" line="177"/>
        <source>Correct answer not specified.<byte value="xd"/>
</source>
        <translation>No se ha indicado la respuesta correcta.<byte value="xd"/>
</translation>
    </message>
    <message>
        <location filename="../src/validation/RecordChecks.cpp" line="179"/>
        <source>The question is empty.<byte value="xd"/>
</source>
        <translation>La pregunta está vacía.<byte value="xd"/>
</translation>
    </message>
    <message>
        <location filename="../src/validation/RecordChecks.cpp" line="180"/>
        <source>Answer A is empty.<byte value="xd"/>
</source>
        <translation>La respuesta A está vacía.<byte value="xd"/>
</translation>
    </message>
    <message>
        <location filename="../src/validation/RecordChecks.cpp" line="181"/>
        <source>Answer B is empty.<byte value="xd"/>
</source>
        <translation>La respuesta B está vacía.<byte value="xd"/>
</translation>
    </message>
    <message>
        <location filename="../src/validation/RecordChecks.cpp" line="182"/>
        <source>Answer C is empty.<byte value="xd"/>
</source>
        <translation>La respuesta C está vacía.<byte value="xd"/>
</translation>
    </message>
    <message>
        <location filename="../src/validation/RecordChecks.cpp" line="183"/>
        <source>Answer D is empty.<byte value="xd"/>
</source>
        <translation>La respuesta D está vacía.<byte value="xd"/>
</translation>
    </message>
    <message>
        <location filename="../src/validation/RecordChecks.cpp" line="185"/>
        <source>The reference</source>
        <translation>La referencia</translation>
    </message>
    <message>
        <location filename="../src/validation/RecordChecks.cpp" line="187"/>
        <source>The question</source>
        <translation>La pregunta</translation>
    </message>
    <message>
        <location filename="../src/validation/RecordChecks.cpp" line="189"/>
        <source>Answer A</source>
        <translation>La respuesta A</translation>
    </message>
    <message>
        <location filename="../src/validation/RecordChecks.cpp" line="190"/>
        <source>Answer B</source>
        <translation>La respuesta B</translation>
    </message>
    <message>
        <location filename="../src/validation/RecordChecks.cpp" line="191"/>
        <source>Answer C</source>
        <translation>La respuesta C</translation>
    </message>
    <message>
        <location filename="../src/validation/RecordChecks.cpp" line="192"/>
        <source>Answer D</source>
        <translation>La respuesta D</translation>
    </message>
</context>
<context>
    <name>RecoveryJournal</name>
    <message>
        <location filename="../src/model/RecoveryJournal.cpp" line="214"/>
        <source>Your changes to %1 are not being kept for recovery after a crash: %2 (%3). Editing goes on, and each change tries again; save often.</source>
        <translation>Sus cambios en %1 no se están guardando para recuperarlos tras un fallo: %2 (%3). Puede seguir editando y cada cambio lo vuelve a intentar; guarde a menudo.</translation>
    </message>
</context>
<context>
    <name>ReferenceCheck</name>
    <message>
        <location filename="../src/scripture/ReferenceCheck.cpp" line="92"/>
        <source>answer in %1</source>
        <translation>respuesta en %1</translation>
    </message>
    <message>
        <location filename="../src/scripture/ReferenceCheck.cpp" line="94"/>
        <source>the verse names answer %1: is the letter right?</source>
        <translation>el versículo nombra la respuesta %1: ¿es correcta la letra?</translation>
    </message>
    <message>
        <location filename="../src/scripture/ReferenceCheck.cpp" line="98"/>
        <source>answer not found near %1</source>
        <translation>respuesta no encontrada cerca de %1</translation>
    </message>
</context>
<context>
    <name>ReferenceCheckDock</name>
    <message>
        <location filename="../src/ui/banktools/ReferenceCheckDock.cpp" line="56"/>
        <source>References</source>
        <translation>Referencias</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ReferenceCheckDock.cpp" line="66"/>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ReferenceCheckDock.cpp" line="66"/>
        <source>Reference</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ReferenceCheckDock.cpp" line="66"/>
        <source>Verdict</source>
        <translation>Veredicto</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ReferenceCheckDock.cpp" line="68"/>
        <source>Questions whose answer is not in their verse</source>
        <translation>Preguntas cuya respuesta no está en su versículo</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ReferenceCheckDock.cpp" line="76"/>
        <source>&amp;Use the suggested reference</source>
        <translation>&amp;Usar la referencia sugerida</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ReferenceCheckDock.cpp" line="83"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ReferenceCheckDock.cpp" line="147"/>
        <source>Checking the references against %1...</source>
        <translation>Comprobando las referencias con %1...</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ReferenceCheckDock.cpp" line="185"/>
        <source>The check was cancelled.</source>
        <translation>Se canceló la comprobación.</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ReferenceCheckDock.cpp" line="202"/>
        <source>%1 suspect of %2 questions; %3 fine; %4 left out without verse text or words to compare.</source>
        <translation>%1 sospechosas de %2 preguntas; %3 correctas; %4 omitidas por no tener texto del versículo o palabras que comparar.</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ReferenceCheckDock.cpp" line="265"/>
        <source>Use the suggested reference %1 for question %2</source>
        <translation>Usar la referencia sugerida %1 para la pregunta %2</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ReferenceCheckDock.cpp" line="72"/>
        <source>Verses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ReferenceCheckDock.cpp" line="82"/>
        <source>Questions checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ReferenceCheckDock.cpp" line="143"/>
        <source>No Bible module &apos;%1&apos; is installed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReplaceAllCommand</name>
    <message>
        <location filename="../src/ui/editing/ReplaceAllCommand.cpp" line="10"/>
        <source>Replace All in %1 questions</source>
        <translation>Reemplazar todo en %1 preguntas</translation>
    </message>
</context>
<context>
    <name>ReportEngine</name>
    <message>
        <location filename="../src/reports/ReportEngine.cpp" line="127"/>
        <source>Field &apos;%1&apos; not found</source>
        <translation>No se encontró el campo &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>ReportExport</name>
    <message>
        <location filename="../src/reports/ReportExport.cpp" line="97"/>
        <source>Cannot create file %1</source>
        <translation>No se puede crear el archivo %1</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportExport.cpp" line="121"/>
        <source>Range error 1 -- The end you specified is less than the beginning!<byte value="xd"/>
Range Error 2 -- You did not select a valid range!</source>
        <translation>Error de intervalo 1 -- ¡El final indicado es menor que el principio!<byte value="xd"/>
Error de intervalo 2 -- ¡No ha elegido un intervalo válido!</translation>
    </message>
</context>
<context>
    <name>ReportOutputFile</name>
    <message>
        <location filename="../tools/qvedtool/ReportOutputFile.cpp" line="16"/>
        <source>The output file %1 is the question file; choose another name.</source>
        <translation>El archivo de salida %1 es el archivo de preguntas; elija otro nombre.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ReportOutputFile.cpp" line="26"/>
        <source>%1 has no questions; no PDF was written.</source>
        <translation>%1 no tiene preguntas; no se escribió ningún PDF.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ReportOutputFile.cpp" line="29"/>
        <source> %1 is an older file, not a report of it.</source>
        <translation> %1 es un archivo anterior, no un informe de él.</translation>
    </message>
</context>
<context>
    <name>ReportPageView</name>
    <message>
        <location filename="../src/reports/ReportPageView.cpp" line="25"/>
        <source>Report pages</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <location filename="../src/reports/ReportPdf.cpp" line="48"/>
        <source>Cannot create file %1</source>
        <translation>No se puede crear el archivo %1</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportPdf.cpp" line="51"/>
        <source>The report has no questions; no file was written.</source>
        <translation>El informe no tiene preguntas; no se escribió ningún archivo.</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportPdf.cpp" line="57"/>
        <source>Cannot create file %1<byte value="xd"/>
%2</source>
        <translation>No se puede crear el archivo %1<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>ReportPreview</name>
    <message>
        <location filename="../src/reports/ReportPreview.cpp" line="27"/>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportPreview.cpp" line="44"/>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportPreview.cpp" line="48"/>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportPreview.cpp" line="50"/>
        <source>Zoom in</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportPreview.cpp" line="52"/>
        <source>Zoom out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportPreview.cpp" line="54"/>
        <source>Fit width</source>
        <translation>Ajustar al ancho</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportPreview.cpp" line="57"/>
        <source>First page</source>
        <translation>Primera página</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportPreview.cpp" line="58"/>
        <source>Previous page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportPreview.cpp" line="60"/>
        <source>Next page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportPreview.cpp" line="62"/>
        <source>Last page</source>
        <translation>Última página</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportPreview.cpp" line="68"/>
        <source>Page 000000 of 000000+</source>
        <translation>Página 000000 de 000000+</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportPreview.cpp" line="78"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportPreview.cpp" line="100"/>
        <source>Laying out the pages...</source>
        <translation>Componiendo las páginas...</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportPreview.cpp" line="131"/>
        <source>Laying out page %1...</source>
        <translation>Componiendo la página %1...</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportPreview.cpp" line="137"/>
        <source>The report has no pages.</source>
        <translation>El informe no tiene páginas.</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportPreview.cpp" line="138"/>
        <source>%1 pages</source>
        <translation>%1 páginas</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportPreview.cpp" line="150"/>
        <source>Stopped after page %1; Print and Save as PDF still give every page.</source>
        <translation>Detenido tras la página %1; Imprimir y Guardar como PDF siguen dando todas las páginas.</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportPreview.cpp" line="159"/>
        <source>Page %1 of %2%3</source>
        <translation>Página %1 de %2%3</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportPreview.cpp" line="77"/>
        <source>Records laid out</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportRun</name>
    <message>
        <location filename="../src/reports/ReportRun.cpp" line="74"/>
        <source>Cannot create a temporary folder for the report: %1</source>
        <translation>No se puede crear una carpeta temporal para el informe: %1</translation>
    </message>
</context>
<context>
    <name>SafeFileWriter</name>
    <message>
        <location filename="../src/model/SafeFileWriter.cpp" line="46"/>
        <source>File Error!<byte value="xd"/>
%1<byte value="xd"/>
%2</source>
        <translation>¡Error de archivo!<byte value="xd"/>
%1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <location filename="../src/model/SafeFileWriter.cpp" line="83"/>
        <source>%1 is not a regular file.</source>
        <translation>%1 no es un archivo normal.</translation>
    </message>
    <message>
        <location filename="../src/model/SafeFileWriter.cpp" line="97"/>
        <source>Cannot create a file in the folder %1: </source>
        <translation>No se puede crear un archivo en la carpeta %1: </translation>
    </message>
</context>
<context>
    <name>ScriptureDock</name>
    <message>
        <location filename="../src/ui/banktools/ScriptureDock.cpp" line="82"/>
        <source>Scripture</source>
        <translation>Escritura</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ScriptureDock.cpp" line="90"/>
        <source>The Bible the verses are read from</source>
        <translation>La Biblia de la que se leen los versículos</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ScriptureDock.cpp" line="215"/>
        <source>No book or reference.</source>
        <translation>No hay libro ni referencia.</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ScriptureDock.cpp" line="95"/>
        <source>Bible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ScriptureDock.cpp" line="96"/>
        <source>Verses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ScriptureDock.cpp" line="98"/>
        <source>The verses the reference names; the words of the correct answer are marked</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScriptureLink</name>
    <message>
        <location filename="../src/ui/banktools/ScriptureLink.cpp" line="42"/>
        <source>&amp;Scripture</source>
        <translation>&amp;Escritura</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/ScriptureLink.cpp" line="44"/>
        <source>Show or hide the text of the question&apos;s verses</source>
        <translation>Mostrar u ocultar el texto de los versículos de la pregunta</translation>
    </message>
</context>
<context>
    <name>SimilarQuestionHint</name>
    <message>
        <location filename="../src/ui/banktools/SimilarQuestionHint.cpp" line="34"/>
        <source>Similar question</source>
        <translation>Pregunta parecida</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/SimilarQuestionHint.cpp" line="106"/>
        <source>Similar to #000000: </source>
        <translation>Parecida a #000000: </translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/SimilarQuestionHint.cpp" line="107"/>
        <source>&lt;a href=&quot;#%1&quot;&gt;Similar to #%1&lt;/a&gt;: %2</source>
        <translation>&lt;a href=&quot;#%1&quot;&gt;Parecida a #%1&lt;/a&gt;: %2</translation>
    </message>
</context>
<context>
    <name>SpellChecker</name>
    <message>
        <location filename="../src/scripture/SpellChecker.cpp" line="128"/>
        <source>No spelling dictionary is installed (install hunspell-en-us).</source>
        <translation>No hay ningún diccionario ortográfico instalado (instale hunspell-en-us).</translation>
    </message>
    <message>
        <location filename="../src/scripture/SpellChecker.cpp" line="163"/>
        <source>No dictionary file is chosen: </source>
        <translation>No se ha elegido ningún archivo de diccionario: </translation>
    </message>
    <message>
        <location filename="../src/scripture/SpellChecker.cpp" line="169"/>
        <source>The folder %1 cannot be made: </source>
        <translation>No se puede crear la carpeta %1: </translation>
    </message>
    <message>
        <location filename="../src/scripture/SpellChecker.cpp" line="178"/>
        <source>The dictionary %1 is locked (%2): </source>
        <translation>El diccionario %1 está bloqueado (%2): </translation>
    </message>
    <message>
        <location filename="../src/scripture/SpellChecker.cpp" line="187"/>
        <source>The dictionary %1 cannot be read: </source>
        <translation>No se puede leer el diccionario %1: </translation>
    </message>
</context>
<context>
    <name>SpellingLink</name>
    <message>
        <location filename="../src/ui/banktools/SpellingLink.cpp" line="56"/>
        <source>Spelling: </source>
        <translation>Ortografía: </translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/SpellingLink.cpp" line="62"/>
        <source>Spelling &amp;Language...</source>
        <translation>&amp;Idioma de la ortografía...</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/SpellingLink.cpp" line="141"/>
        <source>&quot;%1&quot; could not be added to the dictionary %2.<byte value="xd"/>
%3</source>
        <translation>No se pudo añadir &quot;%1&quot; al diccionario %2.<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/SpellingLink.cpp" line="151"/>
        <source>Check spelling in:</source>
        <translation>Comprobar la ortografía en:</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/SpellingLink.cpp" line="156"/>
        <source>The %1 dictionary cannot be read.</source>
        <translation>No se puede leer el diccionario %1.</translation>
    </message>
</context>
<context>
    <name>SpellingMarks</name>
    <message>
        <location filename="../src/ui/banktools/SpellingMarks.cpp" line="134"/>
        <source>(No suggestions)</source>
        <translation>(Sin sugerencias)</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/SpellingMarks.cpp" line="138"/>
        <source>Add to Dictionary</source>
        <translation>Añadir al diccionario</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/SpellingMarks.cpp" line="142"/>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
</context>
<context>
    <name>StoredTexts</name>
    <message>
        <location filename="../src/validation/StoredTexts.cpp" line="73"/>
        <source>%1 is %2 characters long, more than the %3 kept</source>
        <translation>%1 tiene %2 caracteres, más de los %3 que se guardan</translation>
    </message>
    <message>
        <location filename="../src/validation/StoredTexts.cpp" line="62"/>
        <source>reference</source>
        <translation>referencia</translation>
    </message>
    <message>
        <location filename="../src/validation/StoredTexts.cpp" line="63"/>
        <source>question</source>
        <translation>pregunta</translation>
    </message>
    <message>
        <location filename="../src/validation/StoredTexts.cpp" line="64"/>
        <source>answer A</source>
        <translation>respuesta A</translation>
    </message>
    <message>
        <location filename="../src/validation/StoredTexts.cpp" line="65"/>
        <source>answer B</source>
        <translation>respuesta B</translation>
    </message>
    <message>
        <location filename="../src/validation/StoredTexts.cpp" line="66"/>
        <source>answer C</source>
        <translation>respuesta C</translation>
    </message>
    <message>
        <location filename="../src/validation/StoredTexts.cpp" line="67"/>
        <source>answer D</source>
        <translation>respuesta D</translation>
    </message>
</context>
<context>
    <name>TestBuilder</name>
    <message>
        <location filename="../src/validation/TestBuilder.cpp" line="138"/>
        <source>The number of versions must be 1 to %1.</source>
        <translation>El número de versiones debe estar entre 1 y %1.</translation>
    </message>
    <message>
        <location filename="../src/validation/TestBuilder.cpp" line="143"/>
        <source>%1 questions asked for, but %2 are eligible.</source>
        <translation>Se pidieron %1 preguntas, pero solo %2 son elegibles.</translation>
    </message>
    <message>
        <location filename="../src/validation/TestBuilder.cpp" line="218"/>
        <source>Unknown book &apos;%1&apos;: use the abbreviations of the book table, such as Gen. or 1 Sam.</source>
        <translation>Libro desconocido &apos;%1&apos;: use las abreviaturas de la tabla de libros, como Gen. o 1 Sam.</translation>
    </message>
    <message>
        <location filename="../src/validation/TestBuilder.cpp" line="226"/>
        <source>No books given.</source>
        <translation>No se indicó ningún libro.</translation>
    </message>
    <message>
        <location filename="../src/validation/TestBuilder.cpp" line="233"/>
        <source>The books &apos;%1&apos; are not FIRST-LAST.</source>
        <translation>Los libros &apos;%1&apos; no tienen la forma PRIMERO-ÚLTIMO.</translation>
    </message>
    <message>
        <location filename="../src/validation/TestBuilder.cpp" line="244"/>
        <source>The books &apos;%1&apos; run backwards.</source>
        <translation>Los libros &apos;%1&apos; van al revés.</translation>
    </message>
</context>
<context>
    <name>TestFiles</name>
    <message>
        <location filename="../src/reports/TestFiles.cpp" line="59"/>
        <source>The output file %1 is the question file; choose another name.</source>
        <translation>El archivo de salida %1 es el archivo de preguntas; elija otro nombre.</translation>
    </message>
    <message>
        <location filename="../src/reports/TestFiles.cpp" line="72"/>
        <source>Cannot create folder %1</source>
        <translation>No se puede crear la carpeta %1</translation>
    </message>
    <message>
        <location filename="../src/reports/TestFiles.cpp" line="81"/>
        <source>Cannot create file %1<byte value="xd"/>
%2</source>
        <translation>No se puede crear el archivo %1<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>TextTable</name>
    <message>
        <location filename="../src/reports/TextTable.cpp" line="131"/>
        <source>unsupported file type &apos;%1&apos;</source>
        <translation>tipo de archivo no admitido &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../src/reports/TextTable.cpp" line="137"/>
        <source>invalid field definition &apos;%1&apos;</source>
        <translation>definición de campo no válida &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../src/reports/TextTable.cpp" line="146"/>
        <source>unknown field &apos;%1&apos;</source>
        <translation>campo desconocido &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../src/reports/TextTable.cpp" line="153"/>
        <source>no fields</source>
        <translation>no hay campos</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <location filename="../src/ui/dialogs/TfrmAbout.cpp" line="46"/>
        <source>About Velloran Question Editor</source>
        <translation>Acerca de Velloran Question Editor</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/TfrmAbout.cpp" line="56"/>
        <source>Quorvale Editor</source>
        <translation>Editor Quorvale</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/TfrmAbout.cpp" line="65"/>
        <source>Copyright (c) Marrowfield Software</source>
        <translation>Copyright (c) Marrowfield Software</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/TfrmAbout.cpp" line="67"/>
        <source>1999-2026. Free software, GPL 2 or later.</source>
        <translation>1999-2026. Software libre, GPL 2 o posterior.</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/TfrmAbout.cpp" line="79"/>
        <location filename="../src/ui/dialogs/TfrmAbout.cpp" line="127"/>
        <source>&amp;More Info</source>
        <translation>&amp;Más información</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/TfrmAbout.cpp" line="83"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/TfrmAbout.cpp" line="91"/>
        <source>For technical problems the author can be reached using one of the following methods:</source>
        <translation>Para problemas técnicos puede contactar con el autor de una de estas maneras:</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/TfrmAbout.cpp" line="95"/>
        <source>eMail - help@marrowfield.example</source>
        <translation>Correo electrónico - help@marrowfield.example</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/TfrmAbout.cpp" line="96"/>
        <source>Snail Mail -</source>
        <translation>Correo postal -</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/TfrmAbout.cpp" line="98"/>
        <source>Marrowfield Software
P.O. Box 2217, Elm Hollow, KS 66999</source>
        <translation>Marrowfield Software
P.O. Box 2217, Elm Hollow, KS 66999</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/TfrmAbout.cpp" line="123"/>
        <source>&amp;Less Info</source>
        <translation>&amp;Menos información</translation>
    </message>
</context>
<context>
    <name>TfrmBuildTest</name>
    <message>
        <location filename="../src/ui/banktools/TfrmBuildTest.cpp" line="27"/>
        <source>Single</source>
        <translation>Sencillo</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmBuildTest.cpp" line="27"/>
        <source>Double</source>
        <translation>Doble</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmBuildTest.cpp" line="28"/>
        <source>Triple</source>
        <translation>Triple</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmBuildTest.cpp" line="28"/>
        <source>Home Run</source>
        <translation>Jonrón</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmBuildTest.cpp" line="55"/>
        <source>Build Test</source>
        <translation>Preparar examen</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmBuildTest.cpp" line="63"/>
        <source>All books; or Gen.-Deut.; or Gen.,Ps.,Prov.</source>
        <translation>Todos los libros; o Gen.-Deut.; o Gen.,Ps.,Prov.</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmBuildTest.cpp" line="64"/>
        <source>&amp;Books:</source>
        <translation>&amp;Libros:</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmBuildTest.cpp" line="73"/>
        <source>Levels:</source>
        <translation>Niveles:</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmBuildTest.cpp" line="84"/>
        <source>Questions:</source>
        <translation>Preguntas:</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmBuildTest.cpp" line="90"/>
        <source>&amp;Versions:</source>
        <translation>&amp;Versiones:</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmBuildTest.cpp" line="92"/>
        <source>Shuffle the &amp;questions</source>
        <translation>Barajar las &amp;preguntas</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmBuildTest.cpp" line="93"/>
        <source>Shuffle the &amp;answers</source>
        <translation>Barajar las &amp;respuestas</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmBuildTest.cpp" line="106"/>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmBuildTest.cpp" line="109"/>
        <source>Seed:</source>
        <translation>Semilla:</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmBuildTest.cpp" line="119"/>
        <source>B&amp;rowse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmBuildTest.cpp" line="122"/>
        <source>Folder:</source>
        <translation>Carpeta:</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmBuildTest.cpp" line="126"/>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmBuildTest.cpp" line="134"/>
        <source>&amp;Build</source>
        <translation>&amp;Preparar</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmBuildTest.cpp" line="139"/>
        <source>Version A (* the correct answer):</source>
        <translation>Versión A (* la respuesta correcta):</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmBuildTest.cpp" line="190"/>
        <source>of %1 eligible</source>
        <translation>de %1 elegibles</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmBuildTest.cpp" line="211"/>
        <source>Question Files (*.qus);;All Files (*)</source>
        <translation>Archivos de preguntas (*.qus);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmBuildTest.cpp" line="225"/>
        <source>Choose a folder and a name for the files.</source>
        <translation>Elija una carpeta y un nombre para los archivos.</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmBuildTest.cpp" line="247"/>
        <source>These files exist:<byte value="xd"/>
%1<byte value="xd"/>
Replace them?</source>
        <translation>Estos archivos ya existen:<byte value="xd"/>
%1<byte value="xd"/>
¿Reemplazarlos?</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmBuildTest.cpp" line="262"/>
        <source>%1 files written to %2 (seed %3).<byte value="xd"/>
Open the folder?</source>
        <translation>%1 archivos escritos en %2 (semilla %3).<byte value="xd"/>
¿Abrir la carpeta?</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmBuildTest.cpp" line="79"/>
        <source>Questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmBuildTest.cpp" line="104"/>
        <source>Seed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmBuildTest.cpp" line="105"/>
        <source>The same seed builds the same versions again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmBuildTest.cpp" line="118"/>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmBuildTest.cpp" line="131"/>
        <source>Preview</source>
        <translation type="unfinished">Vista previa</translation>
    </message>
</context>
<context>
    <name>TfrmFindReplace</name>
    <message>
        <location filename="../src/ui/banktools/TfrmFindReplace.cpp" line="31"/>
        <source>Find and Replace</source>
        <translation>Buscar y reemplazar</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmFindReplace.cpp" line="38"/>
        <source>All texts</source>
        <translation>Todos los textos</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmFindReplace.cpp" line="38"/>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmFindReplace.cpp" line="38"/>
        <source>Answers</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmFindReplace.cpp" line="38"/>
        <source>Reference</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmFindReplace.cpp" line="39"/>
        <source>Match &amp;case</source>
        <translation>&amp;Distinguir mayúsculas</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmFindReplace.cpp" line="41"/>
        <source>Whole w&amp;ords</source>
        <translation>Palabras &amp;completas</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmFindReplace.cpp" line="45"/>
        <source>Find &amp;what:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmFindReplace.cpp" line="46"/>
        <source>Re&amp;place with:</source>
        <translation>Reem&amp;plazar por:</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmFindReplace.cpp" line="47"/>
        <source>&amp;In:</source>
        <translation>&amp;En:</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmFindReplace.cpp" line="57"/>
        <source>&amp;Find Next</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmFindReplace.cpp" line="59"/>
        <source>&amp;Replace</source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmFindReplace.cpp" line="60"/>
        <source>Replace &amp;All</source>
        <translation>Reemplazar &amp;todo</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmFindReplace.cpp" line="61"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmFindReplace.cpp" line="134"/>
        <source>The end of the list was reached. Continue from the beginning?</source>
        <translation>Se llegó al final de la lista. ¿Continuar desde el principio?</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmFindReplace.cpp" line="138"/>
        <source>&quot;%1&quot; was not found.</source>
        <translation>No se encontró &quot;%1&quot;.</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmFindReplace.cpp" line="158"/>
        <source>The replacement would make a text too long; the question was left unchanged.</source>
        <translation>El reemplazo haría un texto demasiado largo; la pregunta no se cambió.</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmFindReplace.cpp" line="193"/>
        <source>%1 replacements in %2 questions.</source>
        <translation>%1 reemplazos en %2 preguntas.</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmFindReplace.cpp" line="202"/>
        <source>
Left unchanged, a text would be too long: %1</source>
        <translation>
Sin cambiar, un texto sería demasiado largo: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmFindReplace.cpp" line="204"/>
        <source>
Left unchanged, the line holds more than the panel would store (edit it there): %1</source>
        <translation>
Sin cambiar, la línea contiene más de lo que guardaría el panel (edítela allí): %1</translation>
    </message>
</context>
<context>
    <name>TfrmGoTo</name>
    <message>
        <location filename="../src/ui/dialogs/TfrmGoTo.cpp" line="52"/>
        <source>QVED 3 Locator</source>
        <translation>Localizador de QVED 3</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/TfrmGoTo.cpp" line="66"/>
        <source>Locate a specific record number</source>
        <translation>Localizar un número de registro</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/TfrmGoTo.cpp" line="75"/>
        <location filename="../src/ui/dialogs/TfrmGoTo.cpp" line="87"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/TfrmGoTo.cpp" line="76"/>
        <source>&amp;Go</source>
        <translation>&amp;Ir</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/TfrmGoTo.cpp" line="79"/>
        <source>Find a specific text string in the question /answer list</source>
        <translation>Buscar un texto en la lista de preguntas y respuestas</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/TfrmGoTo.cpp" line="81"/>
        <source>Search For:</source>
        <translation>Buscar:</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/TfrmGoTo.cpp" line="88"/>
        <source>&amp;Prev</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/TfrmGoTo.cpp" line="89"/>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/TfrmGoTo.cpp" line="91"/>
        <source>&amp;Jump To</source>
        <translation>I&amp;r a</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/TfrmGoTo.cpp" line="175"/>
        <source>Please enter a number!</source>
        <translation>¡Escriba un número!</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/TfrmGoTo.cpp" line="186"/>
        <source>Please enter a number between 1 and %1</source>
        <translation>Escriba un número entre 1 y %1</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/TfrmGoTo.cpp" line="221"/>
        <source> was not found after the current position.</source>
        <translation> no se encontró después de la posición actual.</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/TfrmGoTo.cpp" line="222"/>
        <source> was not found prior to the current position.</source>
        <translation> no se encontró antes de la posición actual.</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/TfrmGoTo.cpp" line="73"/>
        <source>Record number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/TfrmGoTo.cpp" line="95"/>
        <source>Found question</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <location filename="../src/ui/window/TfrmMain.cpp" line="69"/>
        <source>Quorvale Question Editor</source>
        <translation>Quorvale Question Editor</translation>
    </message>
    <message>
        <location filename="../src/ui/window/TfrmMain.cpp" line="105"/>
        <source>&amp;Build Test...</source>
        <translation>&amp;Preparar examen...</translation>
    </message>
    <message>
        <location filename="../src/ui/window/TfrmMain.cpp" line="190"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <location filename="../src/ui/window/TfrmMain.cpp" line="191"/>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <location filename="../src/ui/window/TfrmMain.cpp" line="192"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <location filename="../src/ui/window/TfrmMain.cpp" line="193"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <location filename="../src/ui/window/TfrmMain.cpp" line="222"/>
        <source>[Untitled]</source>
        <translation>[Sin título]</translation>
    </message>
    <message>
        <location filename="../src/ui/window/TfrmMain.cpp" line="223"/>
        <source>Quorvale Question Editor - %1%2[*]</source>
        <translation>Quorvale Question Editor - %1%2[*]</translation>
    </message>
    <message>
        <location filename="../src/ui/window/TfrmMain.cpp" line="224"/>
        <source> (read only)</source>
        <translation> (solo lectura)</translation>
    </message>
    <message>
        <location filename="../src/ui/window/TfrmMain.cpp" line="225"/>
        <source> (not kept for recovery)</source>
        <translation> (sin guardar para recuperación)</translation>
    </message>
    <message>
        <location filename="../src/ui/window/TfrmMain.cpp" line="267"/>
        <source>MM/dd/yyyy  hh:mm:ss AP</source>
        <translation>dd/MM/yyyy  HH:mm:ss</translation>
    </message>
</context>
<context>
    <name>TfrmReportSetup</name>
    <message>
        <location filename="../src/reports/TfrmReportSetup.cpp" line="58"/>
        <source>Report Setup</source>
        <translation>Configuración del informe</translation>
    </message>
    <message>
        <location filename="../src/reports/TfrmReportSetup.cpp" line="60"/>
        <source> &amp;Report Type </source>
        <translation> &amp;Tipo de informe </translation>
    </message>
    <message>
        <location filename="../src/reports/TfrmReportSetup.cpp" line="64"/>
        <source>&amp;Test Format w/ answer key</source>
        <translation>&amp;Formato de examen con clave de respuestas</translation>
    </message>
    <message>
        <location filename="../src/reports/TfrmReportSetup.cpp" line="64"/>
        <source>T&amp;est Format</source>
        <translation>Formato de &amp;examen</translation>
    </message>
    <message>
        <location filename="../src/reports/TfrmReportSetup.cpp" line="65"/>
        <source>&amp;Question List</source>
        <translation>&amp;Lista de preguntas</translation>
    </message>
    <message>
        <location filename="../src/reports/TfrmReportSetup.cpp" line="73"/>
        <source>&amp;Questions </source>
        <translation>&amp;Preguntas </translation>
    </message>
    <message>
        <location filename="../src/reports/TfrmReportSetup.cpp" line="75"/>
        <source>&amp;All</source>
        <translation>&amp;Todas</translation>
    </message>
    <message>
        <location filename="../src/reports/TfrmReportSetup.cpp" line="78"/>
        <source>&amp;Range</source>
        <translation>&amp;Intervalo</translation>
    </message>
    <message>
        <location filename="../src/reports/TfrmReportSetup.cpp" line="81"/>
        <source>thru</source>
        <translation>a</translation>
    </message>
    <message>
        <location filename="../src/reports/TfrmReportSetup.cpp" line="94"/>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <location filename="../src/reports/TfrmReportSetup.cpp" line="95"/>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <location filename="../src/reports/TfrmReportSetup.cpp" line="98"/>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location filename="../src/reports/TfrmReportSetup.cpp" line="171"/>
        <source>The report has no questions.</source>
        <translation>El informe no tiene preguntas.</translation>
    </message>
</context>
<context>
    <name>TfrmStatistics</name>
    <message>
        <location filename="../src/ui/banktools/TfrmStatistics.cpp" line="23"/>
        <source>Single</source>
        <translation>Sencillo</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmStatistics.cpp" line="23"/>
        <source>Double</source>
        <translation>Doble</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmStatistics.cpp" line="24"/>
        <source>Triple</source>
        <translation>Triple</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmStatistics.cpp" line="24"/>
        <source>Home Run</source>
        <translation>Jonrón</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmStatistics.cpp" line="28"/>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmStatistics.cpp" line="58"/>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmStatistics.cpp" line="73"/>
        <source>The spread looks even.</source>
        <translation>El reparto parece equilibrado.</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmStatistics.cpp" line="78"/>
        <source>Charts</source>
        <translation>Gráficos</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmStatistics.cpp" line="79"/>
        <source>Table</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmStatistics.cpp" line="82"/>
        <source>&amp;Copy Table</source>
        <translation>&amp;Copiar tabla</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmStatistics.cpp" line="102"/>
        <source>questions</source>
        <translation>preguntas</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmStatistics.cpp" line="105"/>
        <source>book</source>
        <translation>libro</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmStatistics.cpp" line="109"/>
        <source>level</source>
        <translation>nivel</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmStatistics.cpp" line="114"/>
        <location filename="../src/ui/banktools/TfrmStatistics.cpp" line="117"/>
        <source>correct answer</source>
        <translation>respuesta correcta</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmStatistics.cpp" line="120"/>
        <source>not decoded</source>
        <translation>sin decodificar</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmStatistics.cpp" line="123"/>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmStatistics.cpp" line="123"/>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmStatistics.cpp" line="123"/>
        <source>Count</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmStatistics.cpp" line="123"/>
        <source>Share</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmStatistics.cpp" line="142"/>
        <source>Uneven correct answers: %1 is %2% of the questions.</source>
        <translation>Respuestas correctas desiguales: %1 es el %2% de las preguntas.</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmStatistics.cpp" line="155"/>
        <source>%1 has no %2 questions.</source>
        <translation>%1 no tiene preguntas de nivel %2.</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmStatistics.cpp" line="177"/>
        <location filename="../src/ui/banktools/TfrmStatistics.cpp" line="180"/>
        <source>Questions by book</source>
        <translation>Preguntas por libro</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmStatistics.cpp" line="187"/>
        <source>By level</source>
        <translation>Por nivel</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmStatistics.cpp" line="190"/>
        <source>Share of each correct answer (%)</source>
        <translation>Porcentaje de cada respuesta correcta (%)</translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmStatistics.cpp" line="65"/>
        <source>Counts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmStatistics.cpp" line="70"/>
        <source>Uneven spread</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/banktools/TfrmStatistics.cpp" line="77"/>
        <source>Charts and table</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToggleDeleteCommand</name>
    <message>
        <location filename="../src/ui/editing/ToggleDeleteCommand.cpp" line="14"/>
        <source>Delete/Restore of question %1</source>
        <translation>Borrar/Restaurar la pregunta %1</translation>
    </message>
    <message>
        <location filename="../src/ui/editing/ToggleDeleteCommand.cpp" line="16"/>
        <source>Delete/Restore of questions %1-%2</source>
        <translation>Borrar/Restaurar las preguntas %1-%2</translation>
    </message>
</context>
<context>
    <name>ToolBibleOptions</name>
    <message>
        <location filename="../tools/qvedtool/ToolBibleOptions.cpp" line="14"/>
        <source>The bank&apos;s language: en (the King James Version; the default) or es (the Reina-Valera 1909, sword-text-sparv).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolBibleOptions.cpp" line="20"/>
        <source>The Bible module, by name or abbreviation (default: the language&apos;s, KJV for en).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolBibleOptions.cpp" line="36"/>
        <source>Unknown language &apos;%1&apos;: use en or es.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolBibleOptions.cpp" line="56"/>
        <source>no Bible module &apos;%1&apos; is installed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolBuildTest</name>
    <message>
        <location filename="../tools/qvedtool/ToolBuildTest.cpp" line="33"/>
        <source>Builds a test from FILE: COUNT questions chosen from the books and levels given, in VERSIONS versions, each with its questions and answers in its own order and its correct letters spread evenly. Questions marked deleted or failing the editor&apos;s checks are never chosen. Writes NAME-V.qus, NAME-V-test.pdf and NAME-V-key.pdf for each version V (A, B, ...) into DIR and prints the seed, which builds the same test again. An output file that is FILE itself, under any name or link, is refused, --force or not.</source>
        <translation>Prepara un examen a partir de FILE: COUNT preguntas elegidas de los libros y niveles indicados, en VERSIONS versiones, cada una con sus preguntas y respuestas en su propio orden y sus letras correctas repartidas por igual. Nunca se eligen preguntas marcadas para borrar o que no pasan las comprobaciones del editor. Escribe NAME-V.qus, NAME-V-test.pdf y NAME-V-key.pdf para cada versión V (A, B, ...) en DIR e imprime la semilla, que vuelve a preparar el mismo examen. Se rechaza un archivo de salida que sea el propio FILE, con cualquier nombre o enlace, con --force o sin él.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolBuildTest.cpp" line="43"/>
        <source>The question file.</source>
        <translation>El archivo de preguntas.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolBuildTest.cpp" line="47"/>
        <source>The number of questions.</source>
        <translation>El número de preguntas.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolBuildTest.cpp" line="51"/>
        <source>FIRST-LAST or B1,B2,... by their abbreviations (default: all).</source>
        <translation>PRIMERO-ÚLTIMO o B1,B2,... por sus abreviaturas (por omisión: todos).</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolBuildTest.cpp" line="56"/>
        <source>Levels 1 to 4, such as 1,2 (default: all).</source>
        <translation>Niveles del 1 al 4, como 1,2 (por omisión: todos).</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolBuildTest.cpp" line="60"/>
        <source>1 to 26 versions (default 1).</source>
        <translation>De 1 a 26 versiones (por omisión, 1).</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolBuildTest.cpp" line="64"/>
        <source>The seed (default: a new one).</source>
        <translation>La semilla (por omisión: una nueva).</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolBuildTest.cpp" line="68"/>
        <source>Keep the questions in file order.</source>
        <translation>Mantener las preguntas en el orden del archivo.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolBuildTest.cpp" line="71"/>
        <source>Keep each question&apos;s answers as written.</source>
        <translation>Mantener las respuestas de cada pregunta tal como están escritas.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolBuildTest.cpp" line="74"/>
        <source>Replace files that exist.</source>
        <translation>Reemplazar los archivos que ya existan.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolBuildTest.cpp" line="77"/>
        <source>The folder to write into.</source>
        <translation>La carpeta en la que se escribe.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolBuildTest.cpp" line="81"/>
        <source>The files&apos; NAME (default: FILE&apos;s name).</source>
        <translation>El nombre NAME de los archivos (por omisión: el nombre de FILE).</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolBuildTest.cpp" line="93"/>
        <source>--count needs a number of questions from 1.</source>
        <translation>--count necesita un número de preguntas a partir de 1.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolBuildTest.cpp" line="101"/>
        <source>--versions must be 1 to 26.</source>
        <translation>--versions debe estar entre 1 y 26.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolBuildTest.cpp" line="118"/>
        <source>Unknown level &apos;%1&apos;: use 1 to 4.</source>
        <translation>Nivel desconocido &apos;%1&apos;: use del 1 al 4.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolBuildTest.cpp" line="130"/>
        <source>--seed must be a whole number from 0 to 4294967295.</source>
        <translation>--seed debe ser un número entero entre 0 y 4294967295.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolBuildTest.cpp" line="137"/>
        <source>No output folder given (-o).</source>
        <translation>No se indicó la carpeta de salida (-o).</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolBuildTest.cpp" line="144"/>
        <source>The name &apos;%1&apos; cannot name a file.</source>
        <translation>El nombre &apos;%1&apos; no puede nombrar un archivo.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolBuildTest.cpp" line="150"/>
        <source>build-test reads a question file, not standard input.</source>
        <translation>build-test lee un archivo de preguntas, no la entrada estándar.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolBuildTest.cpp" line="172"/>
        <source>%1 exists; use --force to replace it.</source>
        <translation>%1 ya existe; use --force para reemplazarlo.</translation>
    </message>
</context>
<context>
    <name>ToolCheck</name>
    <message>
        <location filename="../tools/qvedtool/ToolCheck.cpp" line="23"/>
        <source>Runs the question editor&apos;s checks on every question of FILE, as the editor&apos;s panel would show it, and lists each problem as &quot;N: problem&quot;. Also lists what the editor would refuse to store (a level outside 1 to 4, a correct answer outside A to D, a book number outside 1 to 68, a field holding a double quote), texts longer than the editor keeps (90 characters, 25 for the reference) and questions whose question and four answers repeat an earlier one. Exit status 1 when a problem was found, 2 when the validation table cannot be read.</source>
        <translation>Pasa las comprobaciones del editor de preguntas por cada pregunta de FILE, como las mostraría el panel del editor, y lista cada problema como &quot;N: problema&quot;. También lista lo que el editor se negaría a guardar (un nivel fuera de 1 a 4, una respuesta correcta fuera de A a D, un número de libro fuera de 1 a 68, un campo con comillas dobles), los textos más largos de lo que guarda el editor (90 caracteres, 25 para la referencia) y las preguntas cuya pregunta y cuatro respuestas repiten otra anterior. Estado de salida 1 si se encontró algún problema, 2 si no se puede leer la tabla de validación.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolCheck.cpp" line="33"/>
        <source>The question file.</source>
        <translation>El archivo de preguntas.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolCheck.cpp" line="37"/>
        <source>Do not check chapters and verses against the validation table.</source>
        <translation>No comprobar capítulos y versículos con la tabla de validación.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolCheck.cpp" line="41"/>
        <source>The validation table file to use instead of the one the programs find.</source>
        <translation>El archivo de tabla de validación que se usa en lugar del que encuentran los programas.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolCheck.cpp" line="92"/>
        <source>is damaged (delete it to have it written again)</source>
        <translation>está dañada (bórrela para que se vuelva a escribir)</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolCheck.cpp" line="94"/>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolCheck.cpp" line="95"/>
        <source>qvedtool check: the validation table %1 %2. Name another with --table PATH, or check without it with --no-validate.</source>
        <translation>qvedtool check: la tabla de validación %1 %2. Indique otra con --table PATH, o compruebe sin ella con --no-validate.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolCheck.cpp" line="108"/>
        <source>qvedtool check: %1 is not a regular file.</source>
        <translation>qvedtool check: %1 no es un archivo normal.</translation>
    </message>
</context>
<context>
    <name>ToolCommandLine</name>
    <message>
        <location filename="../tools/qvedtool/ToolCommandLine.cpp" line="86"/>
        <source>Usage: qvedtool %1 [options] %2</source>
        <translation>Uso: qvedtool %1 [opciones] %2</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolCommandLine.cpp" line="103"/>
        <source>No question file given.</source>
        <translation>No se indicó ningún archivo de preguntas.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolCommandLine.cpp" line="107"/>
        <source>No %1 given.</source>
        <translation>No se indicó %1.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolCommandLine.cpp" line="108"/>
        <source>%1 are needed.</source>
        <translation>Se necesitan %1.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolCommandLine.cpp" line="112"/>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado &apos;%1&apos;.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolCommandLine.cpp" line="143"/>
        <source>Run &quot;%1 --help&quot; for help.</source>
        <translation>Ejecute &quot;%1 --help&quot; para obtener ayuda.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolCommandLine.cpp" line="11"/>
        <source>Usage: qvedtool COMMAND [options] FILE
Checks, exports, prints and counts the questions of a question file (.qus),
reading it as the question editor does.

Commands:
  build-test FILE --count N [--books FIRST-LAST|B1,B2,...] [--levels 1,2,...]
             [--versions V] [--seed S] [--no-shuffle-questions]
             [--no-shuffle-answers] [--force] -o DIR [--name NAME]
      Builds a test in shuffled versions: question lines, test and key PDFs.
  check FILE [--no-validate] [--table PATH]
      Runs the editor&apos;s checks on every question and lists the problems.
  diff OLD NEW [--format json] | diff --textconv FILE
      Lists the questions added, removed and changed, matched by content.
  dups FILE [--threshold T] [--format json]
      Lists the groups of questions that are the same or nearly the same.
  export FILE [--format json|csv|tsv|gift|aiken|moodle|qus] [-o OUT]
      Writes every question as JSON (the default) or in another program&apos;s format.
  git-setup
      Sets up git&apos;s diff and merge drivers for question files in this repository.
  import SOURCE... -o OUT.qus [--format F] [--append] [--book B] [--level L]
         [--replace-unsupported] [--keep-duplicates] [--dry-run]
      Takes questions from CSV, TSV, GIFT, Aiken, Moodle XML or question files.
  merge BASE OURS THEIRS [-o OUT]
      Merges two banks that grew from one, question by question and field by field.
  recover FILE [-o OUT]
      Lists the unsaved changes the editor kept for FILE; -o writes them out.
  refcheck FILE [--module NAME] [--format json]
      Lists the questions whose right answer is not in the verse they cite.
  report FILE --layout key|test|list [--range B-E] -o OUT.pdf
      Writes a test with answer key, a test or a question list to a PDF file.
  stats FILE
      Counts the questions by book, by level and by correct answer.
  verse REFERENCE [--module NAME]
      Prints the text of a verse, a range or a chapter from a Bible module.
  spell FILE [--dictionary PATH] [--suggestions]
      Lists the misspelt words of the questions and answers.

Run &quot;qvedtool COMMAND --help&quot; for the options of a command,
&quot;qvedtool --version&quot; for the version.
Output is UTF-8 text on standard output; messages go to standard error.
FILE is a question file, or &quot;-&quot; to read standard input (not for build-test).
A folder, a FIFO, a device or a file over 1 GiB is refused, as the editor
refuses to open it; standard input is read to the same bound.
Exit status: 0 success or everything passed, 1 the check found problems
or recover found nothing to recover, 2 bad usage or a file that cannot be
read or written.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolDiff</name>
    <message>
        <location filename="../tools/qvedtool/ToolDiff.cpp" line="19"/>
        <source>Lists the questions added, removed and changed from OLD to NEW, the changes field by field. Questions are matched by content: one that only moved is no change. Exit status 0 when both hold the same questions, 1 when they differ. With --textconv FILE it prints each question of FILE as a block of lines, for git&apos;s diff driver.</source>
        <translation>Lista las preguntas añadidas, quitadas y cambiadas de OLD a NEW, con los cambios campo por campo. Las preguntas se emparejan por su contenido: una que solo se movió no es un cambio. Estado de salida 0 si ambos contienen las mismas preguntas, 1 si difieren. Con --textconv FILE imprime cada pregunta de FILE como un bloque de líneas, para el controlador de diff de git.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolDiff.cpp" line="27"/>
        <source>text (the default) or json.</source>
        <translation>text (por omisión) o json.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolDiff.cpp" line="31"/>
        <source>Print the one FILE given readably, for git diff.</source>
        <translation>Imprimir el único FILE indicado de forma legible, para git diff.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolDiff.cpp" line="36"/>
        <source>The older bank.</source>
        <translation>El banco anterior.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolDiff.cpp" line="39"/>
        <source>The newer bank.</source>
        <translation>El banco más reciente.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolDiff.cpp" line="55"/>
        <source>Unknown format &apos;%1&apos;: use text or json.</source>
        <translation>Formato desconocido &apos;%1&apos;: use text o json.</translation>
    </message>
</context>
<context>
    <name>ToolDups</name>
    <message>
        <location filename="../tools/qvedtool/ToolDups.cpp" line="18"/>
        <source>Lists the groups of questions of FILE that are the same once case, spaces and punctuation are folded and the answers taken in any order (&quot;same&quot;), and those that are nearly the same (&quot;near&quot;): the same right answer, and wording whose word pairs overlap by at least the threshold, or the same reference. Exit status 1 when any group was found.</source>
        <translation>Lista los grupos de preguntas de FILE que son iguales sin contar mayúsculas, espacios ni puntuación y con las respuestas en cualquier orden (&quot;same&quot;), y los que son casi iguales (&quot;near&quot;): la misma respuesta correcta y una redacción cuyos pares de palabras coinciden al menos en el umbral, o la misma referencia. Estado de salida 1 si se encontró algún grupo.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolDups.cpp" line="26"/>
        <source>The question file.</source>
        <translation>El archivo de preguntas.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolDups.cpp" line="30"/>
        <source>How alike wordings must be, from 0 to 1 (default 0.6).</source>
        <translation>Cuánto deben parecerse las redacciones, de 0 a 1 (por omisión, 0.6).</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolDups.cpp" line="35"/>
        <source>text (the default) or json.</source>
        <translation>text (por omisión) o json.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolDups.cpp" line="47"/>
        <source>The threshold must be a number above 0 and at most 1.</source>
        <translation>El umbral debe ser un número mayor que 0 y como mucho 1.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolDups.cpp" line="53"/>
        <source>Unknown format &apos;%1&apos;: use text or json.</source>
        <translation>Formato desconocido &apos;%1&apos;: use text o json.</translation>
    </message>
</context>
<context>
    <name>ToolExport</name>
    <message>
        <location filename="../tools/qvedtool/ToolExport.cpp" line="38"/>
        <source>The question file.</source>
        <translation>El archivo de preguntas.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolExport.cpp" line="42"/>
        <source>%1 (json by default).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolExport.cpp" line="46"/>
        <source>The file to write, safely.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolExport.cpp" line="59"/>
        <source>Unknown format &apos;%1&apos;: use %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolExport.cpp" line="69"/>
        <source>qvedtool export: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolExport.cpp" line="81"/>
        <source>qvedtool export: cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolGitSetup</name>
    <message>
        <location filename="../tools/qvedtool/ToolGitSetup.cpp" line="27"/>
        <source>git could not be started (is it installed?)</source>
        <translation>no se pudo iniciar git (¿está instalado?)</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolGitSetup.cpp" line="31"/>
        <source>qvedtool git-setup: git %1: %2</source>
        <translation>qvedtool git-setup: git %1: %2</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolGitSetup.cpp" line="50"/>
        <source>In the git repository of the current folder: adds &quot;*.qus diff=qved merge=qved&quot; to .gitattributes and sets the repository&apos;s own diff and merge drivers to this qvedtool, so that git diff shows questions readably and git merge merges question files question by question. git does not carry drivers between clones: run it in each clone.</source>
        <translation>En el repositorio git de la carpeta actual: añade &quot;*.qus diff=qved merge=qved&quot; a .gitattributes y hace de este qvedtool el controlador de diff y de merge del propio repositorio, para que git diff muestre las preguntas de forma legible y git merge combine los archivos de preguntas pregunta por pregunta. git no lleva los controladores de un clon a otro: ejecútelo en cada clon.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolGitSetup.cpp" line="62"/>
        <source>Usage: qvedtool git-setup
</source>
        <translation>Uso: qvedtool git-setup
</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolGitSetup.cpp" line="69"/>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado &apos;%1&apos;.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolGitSetup.cpp" line="93"/>
        <source>qvedtool git-setup: cannot read %1: %2</source>
        <translation>qvedtool git-setup: no se puede leer %1: %2</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolGitSetup.cpp" line="110"/>
        <source>qvedtool git-setup: cannot write %1: %2</source>
        <translation>qvedtool git-setup: no se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>ToolImport</name>
    <message>
        <location filename="../tools/qvedtool/ToolImport.cpp" line="48"/>
        <source>qvedtool import: cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolImport.cpp" line="57"/>
        <source>qvedtool import: %1: neither its content nor its name tells its format; name it with --format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolImport.cpp" line="65"/>
        <source>qvedtool import: %1 cannot be read as %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolImport.cpp" line="71"/>
        <source>qvedtool import: %1: its first row names no question column; add a header row (Question, A, B, C, D, Correct, Reference, Level).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolImport.cpp" line="107"/>
        <source>The files to import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolImport.cpp" line="111"/>
        <source>The question file to write.</source>
        <translation type="unfinished">El archivo de preguntas que se escribe.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolImport.cpp" line="115"/>
        <source>The sources&apos; format: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolImport.cpp" line="120"/>
        <source>Add to an existing OUT, skipping the questions it holds already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolImport.cpp" line="124"/>
        <source>The book of questions whose source names none.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolImport.cpp" line="128"/>
        <source>The level (Single, Double, Triple, Home Run or 1-4) of questions whose source names none.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolImport.cpp" line="134"/>
        <source>Replace the characters a question file cannot hold, listing each, rather than refuse the question.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolImport.cpp" line="139"/>
        <source>With --append, take questions OUT holds already too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolImport.cpp" line="143"/>
        <source>Check and list, but write nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolImport.cpp" line="158"/>
        <source>No question file to write given (-o OUT.qus).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolImport.cpp" line="165"/>
        <source>Unknown format &apos;%1&apos;: use %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolImport.cpp" line="174"/>
        <source>Unknown book &apos;%1&apos;.</source>
        <translation type="unfinished">Libro desconocido &apos;%1&apos;.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolImport.cpp" line="181"/>
        <source>Unknown level &apos;%1&apos;: use Single, Double, Triple, Home Run or 1-4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolImport.cpp" line="189"/>
        <source>qvedtool import: %1 exists; give --append to add to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolImport.cpp" line="204"/>
        <source>qvedtool import: the validation table %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolImport.cpp" line="260"/>
        <source>qvedtool import: cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolMerge</name>
    <message>
        <location filename="../tools/qvedtool/ToolMerge.cpp" line="26"/>
        <source>question %1, %2: ours %3, theirs %4</source>
        <translation>pregunta %1, %2: nuestra %3, suya %4</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolMerge.cpp" line="32"/>
        <source>question %1 was changed in ours and deleted in theirs; ours is kept: %2</source>
        <translation>la pregunta %1 se cambió en la nuestra y se borró en la suya; se conserva la nuestra: %2</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolMerge.cpp" line="38"/>
        <source>question %1 of the base was deleted in ours and changed in theirs; it stays deleted: %2</source>
        <translation>la pregunta %1 de la base se borró en la nuestra y se cambió en la suya; sigue borrada: %2</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolMerge.cpp" line="50"/>
        <source>Merges OURS and THEIRS, two banks that grew from BASE, question by question and field by field, and writes the result to OUT, or over OURS without -o (as git&apos;s merge driver &quot;%O %A %B&quot; expects). The same field changed differently on both sides is a conflict: the result keeps ours, each conflict is listed on standard error and the exit status is 1.</source>
        <translation>Combina OURS y THEIRS, dos bancos que salieron de BASE, pregunta por pregunta y campo por campo, y escribe el resultado en OUT, o sobre OURS sin -o (como espera el controlador de merge de git &quot;%O %A %B&quot;). Un mismo campo cambiado de forma distinta en ambos lados es un conflicto: el resultado conserva el nuestro, cada conflicto se lista en la salida de errores y el estado de salida es 1.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolMerge.cpp" line="58"/>
        <source>The common ancestor.</source>
        <translation>El antecesor común.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolMerge.cpp" line="61"/>
        <source>Our bank.</source>
        <translation>Nuestro banco.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolMerge.cpp" line="63"/>
        <source>Their bank.</source>
        <translation>Su banco.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolMerge.cpp" line="66"/>
        <source>Write the merged bank to OUT.</source>
        <translation>Escribir el banco combinado en OUT.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolMerge.cpp" line="89"/>
        <source>qvedtool merge: cannot write %1: %2</source>
        <translation>qvedtool merge: no se puede escribir %1: %2</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolMerge.cpp" line="94"/>
        <source>qvedtool merge: conflict: </source>
        <translation>qvedtool merge: conflicto: </translation>
    </message>
</context>
<context>
    <name>ToolRecover</name>
    <message>
        <location filename="../tools/qvedtool/ToolRecover.cpp" line="40"/>
        <source>Lists the unsaved changes the question editor&apos;s recovery journal holds for FILE: how many, when each was made and which questions it changed, and whether the journal was cut short. With -o, writes the list as recovered, as the editor&apos;s Save would, leaving out the questions marked deleted; the journal stays. Exit status 0 when changes were recovered, 1 when there is nothing to recover, 2 on errors.</source>
        <translation>Lista los cambios sin guardar que el diario de recuperación del editor de preguntas contiene para FILE: cuántos son, cuándo se hizo cada uno, qué preguntas cambió y si el diario está cortado. Con -o, escribe la lista recuperada como lo haría Guardar en el editor, sin las preguntas marcadas para borrar; el diario se queda. Estado de salida 0 si se recuperaron cambios, 1 si no hay nada que recuperar, 2 si hay errores.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolRecover.cpp" line="48"/>
        <source>The question file.</source>
        <translation>El archivo de preguntas.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolRecover.cpp" line="52"/>
        <source>The question file to write.</source>
        <translation>El archivo de preguntas que se escribe.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolRecover.cpp" line="63"/>
        <source>qvedtool recover: no unsaved changes are kept for %1.</source>
        <translation>qvedtool recover: no hay cambios sin guardar para %1.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolRecover.cpp" line="72"/>
        <source>qvedtool recover: the unsaved changes of %1 cannot be recovered: %2.</source>
        <translation>qvedtool recover: los cambios sin guardar de %1 no se pueden recuperar: %2.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolRecover.cpp" line="109"/>
        <source>%1 was changed since the changes were made: write them to another file.</source>
        <translation>%1 cambió después de hacerse los cambios: escríbalos en otro archivo.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolRecover.cpp" line="118"/>
        <source>qvedtool recover: cannot write %1: %2</source>
        <translation>qvedtool recover: no se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>ToolRefcheck</name>
    <message>
        <location filename="../tools/qvedtool/ToolRefcheck.cpp" line="57"/>
        <source>The question file.</source>
        <translation>El archivo de preguntas.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolRefcheck.cpp" line="62"/>
        <source>text (the default) or json.</source>
        <translation>text (por omisión) o json.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolRefcheck.cpp" line="72"/>
        <source>Unknown format &apos;%1&apos;: use text or json.</source>
        <translation>Formato desconocido &apos;%1&apos;: use text o json.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolRefcheck.cpp" line="79"/>
        <source>qvedtool refcheck: </source>
        <translation>qvedtool refcheck: </translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolRefcheck.cpp" line="39"/>
        <source>Compares the right answer of each question of a Bible book in FILE with the text of the verse or verses it cites, read from an installed SWORD Bible module, and lists the suspects as &quot;N: REFERENCE: verdict&quot;: &quot;answer in REF&quot; when a verse within three in the same chapter holds the answer instead (REF is the suggested reference), &quot;the verse names answer X: is the letter right?&quot; when a wrong answer is in the verse and the right one is not, &quot;answer not found near REF&quot; when neither the verse nor its neighbours hold it. Words are compared with case folded, common words left out, plain word endings (-s, -es, -eth, -ed) stripped and numbers alike in words and figures (in a Spanish module: accents folded, -s, -es and -mente stripped, Spanish numbers); an answer of three or more words needs two thirds of them. Questions without verse text (catechism and general questions, whole chapters, verses the module lacks) and answers of common words only are left out and counted. With --format json: a list of objects with number, reference, kind, verdict, suggestion (or null), verse (the text compared) and matched. Exit status 1 when any question is suspect, 2 when no Bible module is installed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolReport</name>
    <message>
        <location filename="../tools/qvedtool/ToolReport.cpp" line="32"/>
        <source>Writes a report of FILE to a PDF file with the question editor&apos;s layouts: key (test format with answer key), test (test format) or list (question list). Without --range every question is reported; a range beginning below 1 starts at 1 and an end beyond the last question stops there, as in the editor&apos;s report setup.</source>
        <translation>Escribe un informe de FILE en un archivo PDF con los diseños del editor de preguntas: key (formato de examen con clave de respuestas), test (formato de examen) o list (lista de preguntas). Sin --range se incluyen todas las preguntas; un intervalo que empieza por debajo de 1 empieza en 1 y un final más allá de la última pregunta se detiene en ella, como en la configuración de informes del editor.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolReport.cpp" line="39"/>
        <source>The question file.</source>
        <translation>El archivo de preguntas.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolReport.cpp" line="42"/>
        <source>key, test or list.</source>
        <translation>key, test o list.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolReport.cpp" line="46"/>
        <source>Only questions B to E, for example 10-25.</source>
        <translation>Solo las preguntas de B a E, por ejemplo 10-25.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolReport.cpp" line="50"/>
        <source>The PDF file to write.</source>
        <translation>El archivo PDF que se escribe.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolReport.cpp" line="61"/>
        <source>No --layout given.</source>
        <translation>No se indicó --layout.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolReport.cpp" line="66"/>
        <source>Unknown layout &apos;%1&apos;: use key, test or list.</source>
        <translation>Diseño desconocido &apos;%1&apos;: use key, test o list.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolReport.cpp" line="70"/>
        <source>No output file given (-o).</source>
        <translation>No se indicó el archivo de salida (-o).</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolReport.cpp" line="98"/>
        <source>The range %1 begins past the last question (%2 in %3).</source>
        <translation>El intervalo %1 empieza después de la última pregunta (%2 en %3).</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolReport.cpp" line="130"/>
        <source>The range &apos;%1&apos; is not two whole numbers B-E.</source>
        <translation>El intervalo &apos;%1&apos; no son dos números enteros B-E.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolReport.cpp" line="148"/>
        <source>The number %1 is too large for a range.</source>
        <translation>El número %1 es demasiado grande para un intervalo.</translation>
    </message>
</context>
<context>
    <name>ToolSpell</name>
    <message>
        <location filename="../tools/qvedtool/ToolSpell.cpp" line="47"/>
        <source>The question file.</source>
        <translation>El archivo de preguntas.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolSpell.cpp" line="61"/>
        <source>Up to five suggestions after each word: &quot;N: FIELD: word (a, b)&quot;.</source>
        <translation>Hasta cinco sugerencias tras cada palabra: &quot;N: CAMPO: palabra (a, b)&quot;.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolSpell.cpp" line="80"/>
        <source>qvedtool spell: cannot read the dictionary &apos;%1&apos;.</source>
        <translation>qvedtool spell: no se puede leer el diccionario &apos;%1&apos;.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolSpell.cpp" line="83"/>
        <source>qvedtool spell: </source>
        <translation>qvedtool spell: </translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolSpell.cpp" line="110"/>
        <source>byte 0x%1 at column %2 is no text</source>
        <translation>el byte 0x%1 de la columna %2 no es texto</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolSpell.cpp" line="39"/>
        <source>Lists each misspelt word of the questions and answers of FILE as &quot;N: FIELD: word&quot;, and each line that does not decode as &quot;N: problem&quot;, then how many questions and words there were. Words of the Bible module and of the author&apos;s own list pass; --language es checks with es_ES and the words of the Reina-Valera 1909. Exit status 1 when any word is misspelt or any line does not decode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolSpell.cpp" line="51"/>
        <source>A Hunspell .dic file (its .aff beside it) or a language such as en_GB; by default the language&apos;s, en_US (or es_ES with --language es).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolStats</name>
    <message>
        <location filename="../tools/qvedtool/ToolStats.cpp" line="26"/>
        <source>Counts the questions of FILE by book, by level and by correct answer, and gives each letter&apos;s share of the questions that have a correct answer A to D. A value that is missing or outside its list counts as (none); lines that do not decode are counted apart.</source>
        <translation>Cuenta las preguntas de FILE por libro, por nivel y por respuesta correcta, y da el porcentaje de cada letra entre las preguntas con respuesta correcta de A a D. Un valor que falta o está fuera de su lista cuenta como (none); las líneas que no se pueden decodificar se cuentan aparte.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolStats.cpp" line="33"/>
        <source>The question file.</source>
        <translation>El archivo de preguntas.</translation>
    </message>
</context>
<context>
    <name>ToolVerse</name>
    <message>
        <location filename="../tools/qvedtool/ToolVerse.cpp" line="25"/>
        <source>The reference.</source>
        <translation>La referencia.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolVerse.cpp" line="40"/>
        <source>qvedtool verse: </source>
        <translation>qvedtool verse: </translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/ToolVerse.cpp" line="15"/>
        <source>Prints the text of the verse, verses or chapter REFERENCE names, such as &quot;Gen. 2:7&quot;, &quot;3 John 1:14&quot;, &quot;Genesis 2:7-9&quot; or &quot;Ps. 23&quot;, read from an installed SWORD Bible module (the King James Version, or with --language es the Reina-Valera 1909). Books are named by the editor&apos;s abbreviations or by SWORD&apos;s own names in English. One reference at a time: a list (&quot;Gen. 1:1;2:3&quot;, &quot;Gen. 1:1,3&quot;) or a range of chapters (&quot;Gen. 1-2&quot;) is refused, as is a chapter or verse the book does not have, each with a message and exit status 2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Utf8Output</name>
    <message>
        <location filename="../tools/qvedtool/Utf8Output.h" line="21"/>
        <location filename="../tools/qvedtool/Utf8Output.h" line="43"/>
        <source>qvedtool: cannot write to standard output: </source>
        <translation>qvedtool: no se puede escribir en la salida estándar: </translation>
    </message>
</context>
<context>
    <name>ValidationTable</name>
    <message>
        <location filename="../src/validation/ValidationTable.cpp" line="68"/>
        <source>Error loading the validation table. Validation functions will be inoperative.</source>
        <translation>Error al cargar la tabla de validación. Las funciones de validación no estarán disponibles.</translation>
    </message>
    <message>
        <location filename="../src/validation/ValidationTable.cpp" line="74"/>
        <source>Unable to load the validation table. Validation functions will be inoperative.</source>
        <translation>No se puede cargar la tabla de validación. Las funciones de validación no estarán disponibles.</translation>
    </message>
    <message>
        <location filename="../src/validation/ValidationTable.cpp" line="84"/>
        <source><byte value="xd"/>
Options &gt; Rebuild Validation Table writes it again.</source>
        <translation><byte value="xd"/>
Opciones &gt; Reconstruir la tabla de validación la vuelve a escribir.</translation>
    </message>
</context>
<context>
    <name>ValidationTableCommands</name>
    <message>
        <location filename="../src/ui/window/ValidationTableCommands.cpp" line="31"/>
        <source>No folder for the validation table can be written in. Validation functions will be inoperative.</source>
        <translation>No se puede escribir en ninguna carpeta para la tabla de validación. Las funciones de validación no estarán disponibles.</translation>
    </message>
    <message>
        <location filename="../src/ui/window/ValidationTableCommands.cpp" line="40"/>
        <source>The validation table was written to %1.</source>
        <translation>La tabla de validación se escribió en %1.</translation>
    </message>
</context>
<context>
    <name>WindowHabits</name>
    <message>
        <location filename="../src/ui/window/WindowHabits.cpp" line="25"/>
        <source>Open &amp;Recent</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XlsxPackage</name>
    <message>
        <location filename="../src/interchange/XlsxPackage.cpp" line="49"/>
        <source>it is not an XLSX workbook (not a ZIP archive).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/XlsxPackage.cpp" line="65"/>
        <source>the workbook has no part %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/XlsxPackage.cpp" line="74"/>
        <source>the part %1 of the workbook cannot be unpacked (error %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/XlsxPackage.cpp" line="102"/>
        <source>the part %1 of the workbook is damaged (error %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/XlsxPackage.cpp" line="123"/>
        <source>the part %1 of the workbook declares a document type or entities, which a workbook never does: it is refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/XlsxPackage.cpp" line="138"/>
        <source>the part %1 of the workbook is not well-formed XML: %2 (line %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/XlsxPackage.cpp" line="26"/>
        <source>the part %1 of the workbook unpacks to more than %2 MB, far more than its packed size explains: it is refused (a damaged file or a ZIP bomb).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XlsxSheetReader</name>
    <message>
        <location filename="../src/interchange/XlsxSheetReader.cpp" line="328"/>
        <source>the workbook names no sheet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/XlsxSheetReader.cpp" line="179"/>
        <source>the workbook holds more than %1 texts: it is refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/XlsxSheetReader.cpp" line="214"/>
        <source>row %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/XlsxSheetReader.cpp" line="235"/>
        <source>row %1 has a cell %2 outside the sheet&apos;s columns.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/XlsxSheetReader.cpp" line="241"/>
        <source>cell %1 names a shared text the workbook does not hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/XlsxSheetReader.cpp" line="252"/>
        <source>the sheet holds more than %1 cells: it is refused.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XlsxSheetWriter</name>
    <message>
        <location filename="../src/interchange/XlsxSheetWriter.cpp" line="75"/>
        <source>no temporary folder for the workbook: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/XlsxSheetWriter.cpp" line="87"/>
        <source>the workbook cannot be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/XlsxSheetWriter.cpp" line="90"/>
        <source>the workbook&apos;s sheet cannot be added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/XlsxSheetWriter.cpp" line="131"/>
        <source>the workbook cannot be completed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/XlsxSheetWriter.cpp" line="140"/>
        <location filename="../src/interchange/XlsxSheetWriter.cpp" line="160"/>
        <location filename="../src/interchange/XlsxSheetWriter.cpp" line="166"/>
        <source>the written workbook cannot be read back: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/XlsxSheetWriter.cpp" line="171"/>
        <source>the workbook was cut short while it was written (its part %1 is incomplete): is the disk full?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/XlsxSheetWriter.cpp" line="177"/>
        <source>the workbook was cut short while it was written (%1 of %2 rows were kept): is the disk full?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/interchange/XlsxSheetWriter.cpp" line="191"/>
        <source>row %1, column %2 of the workbook cannot be written: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XlsxWriterLibrary</name>
    <message>
        <location filename="../src/interchange/XlsxWriterLibrary.cpp" line="39"/>
        <source>the XLSX writer library cannot be loaded: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../tools/qvedtool/main.cpp" line="35"/>
        <source>qvedtool: </source>
        <translation>qvedtool: </translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/main.cpp" line="52"/>
        <source>No command given.</source>
        <translation>No se indicó ninguna orden.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/main.cpp" line="93"/>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opción desconocida &apos;%1&apos;.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/main.cpp" line="95"/>
        <source>Unknown command &apos;%1&apos;.</source>
        <translation>Orden desconocida &apos;%1&apos;.</translation>
    </message>
    <message>
        <location filename="../tools/qvedtool/main.cpp" line="118"/>
        <source>qvedtool: out of memory.</source>
        <translation>qvedtool: no queda memoria.</translation>
    </message>
</context>
</TS>
