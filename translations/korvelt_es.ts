<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CheckText</name>
    <message>
        <source>Special date %1 (%2)</source>
        <extracomment>A special date with its place and date, as in &quot;Special date 3 (24/12/2027)&quot;</extracomment>
        <translation>La fecha especial %1 (%2)</translation>
    </message>
    <message>
        <source>%1: the Start time has fractions of a second; the KORVELT keeps whole seconds.</source>
        <extracomment>%1 is the slot&apos;s place, as in &quot;Output 2, Normal Times slot 3&quot;</extracomment>
        <translation>%1: la hora de inicio tiene fracciones de segundo; el KORVELT solo guarda segundos enteros.</translation>
    </message>
    <message>
        <source>%1: the End time has fractions of a second; the KORVELT keeps whole seconds.</source>
        <translation>%1: la hora de fin tiene fracciones de segundo; el KORVELT solo guarda segundos enteros.</translation>
    </message>
    <message>
        <source>%1: the Start time is not a time of day.</source>
        <extracomment>%1 is the slot&apos;s place, as in &quot;Output 2, Normal Times slot 3&quot;
----------
%1 is the slot&apos;s place, as in &quot;Output 2, Special Times slot 3&quot;</extracomment>
        <translation>%1: la hora de inicio no es una hora del día.</translation>
    </message>
    <message>
        <source>%1: the End time is not a time of day.</source>
        <extracomment>%1 is the slot&apos;s place, as in &quot;Output 2, Normal Times slot 3&quot;
----------
%1 is the slot&apos;s place, as in &quot;Output 2, Special Times slot 3&quot;</extracomment>
        <translation>%1: la hora de fin no es una hora del día.</translation>
    </message>
    <message>
        <source>Daylight Saving: no Advance Clock week is chosen.</source>
        <translation>Cambio de hora: no se ha elegido la semana de Adelantar reloj.</translation>
    </message>
    <message>
        <source>Daylight Saving: no Advance Clock month is chosen.</source>
        <translation>Cambio de hora: no se ha elegido el mes de Adelantar reloj.</translation>
    </message>
    <message>
        <source>Daylight Saving: no Retard Clock week is chosen.</source>
        <translation>Cambio de hora: no se ha elegido la semana de Atrasar reloj.</translation>
    </message>
    <message>
        <source>Daylight Saving: no Retard Clock month is chosen.</source>
        <translation>Cambio de hora: no se ha elegido el mes de Atrasar reloj.</translation>
    </message>
    <message>
        <source>%1: ends at %2, before it starts at %3.</source>
        <extracomment>%1 is the slot&apos;s place (&quot;Output 2, Normal Times slot 3&quot;), %2 its end time, %3 its start time</extracomment>
        <translation>%1: termina a las %2, antes de empezar a las %3.</translation>
    </message>
    <message>
        <source>%1: starts and ends at %2 on %3.</source>
        <extracomment>%1 is the slot&apos;s place, %2 its time, %3 its days (&quot;Mon to Fri&quot;)</extracomment>
        <translation>%1: empieza y termina a las %2 los %3.</translation>
    </message>
    <message>
        <source>%1: %2 to %3, but no day is On.</source>
        <extracomment>%1 is the slot&apos;s place, %2 and %3 its start and end time; &quot;On&quot; is the day cells&apos; text</extracomment>
        <translation>%1: de %2 a %3, pero ningún día está en Sí.</translation>
    </message>
    <message>
        <source>%1 (%2 to %3) overlaps slot %4.</source>
        <extracomment>%1 is the slot&apos;s place, %2 and %3 its times, %4 the number of the other slot</extracomment>
        <translation>%1 (de %2 a %3): se solapa con la franja %4.</translation>
    </message>
    <message>
        <source>%1 (%2 to %3) overlaps slot %4 on %5.</source>
        <extracomment>%1 is the slot&apos;s place, %2 and %3 its times, %4 the number of the other slot, %5 the days (&quot;Mon to Fri&quot;)</extracomment>
        <translation>%1 (de %2 a %3): se solapa con la franja %4 los %5.</translation>
    </message>
    <message>
        <source>%1 (%2 to %3) is the same as slot %4.</source>
        <extracomment>%1 is the slot&apos;s place, %2 and %3 its times, %4 the number of the other slot</extracomment>
        <translation>%1 (de %2 a %3): es igual que la franja %4.</translation>
    </message>
    <message>
        <source>Special date %1 (%2 %3) carries a time of day; the KORVELT keeps only the date.</source>
        <extracomment>%1 is the special date&apos;s number, %2 its date, %3 its time of day</extracomment>
        <translation>La fecha especial %1 (%2 %3) lleva una hora; el KORVELT solo guarda la fecha.</translation>
    </message>
    <message>
        <source>%1 is in the past.</source>
        <extracomment>%1 is a special date with its place, as in &quot;Special date 3 (24/12/2027)&quot;</extracomment>
        <translation>%1 ya ha pasado.</translation>
    </message>
    <message>
        <source>%1 is the same as special date %2.</source>
        <extracomment>%1 is a special date with its place, as in &quot;Special date 3 (24/12/2027)&quot;; %2 the other&apos;s number</extracomment>
        <translation>%1 es igual que la fecha especial %2.</translation>
    </message>
    <message>
        <source>Output %1, Special Times: slots are set, but no special date is today or later.</source>
        <translation>Salida %1, horario especial: hay franjas programadas, pero ninguna fecha especial es hoy o posterior.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>range of days</comment>
        <extracomment>A range of days in the schedule check, as in &quot;Mon to Fri&quot;</extracomment>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Special date %1 is not set to a date from %2 to %3.</source>
        <extracomment>%1 is the special date&apos;s number, %2 and %3 the first and last year the KORVELT can hold</extracomment>
        <translation>La fecha especial %1 no tiene una fecha entre %2 y %3.</translation>
    </message>
</context>
<context>
    <name>ClockText</name>
    <message>
        <source>the KORVELT&apos;s clock holds no valid time (bytes %1)</source>
        <extracomment>Begins with a small letter: it also stands inside other sentences. %1 is the clock&apos;s bytes as a date and time</extracomment>
        <translation>el reloj del KORVELT no contiene una hora válida (bytes %1)</translation>
    </message>
    <message>
        <source>Module Time: %1
Module Date: %2</source>
        <extracomment>The device&apos;s clock: %1 is its time, %2 its date</extracomment>
        <translation>Hora del módulo: %1
Fecha del módulo: %2</translation>
    </message>
    <message>
        <source>KORVELT and this PC agree to the second</source>
        <translation>el KORVELT y este PC coinciden al segundo</translation>
    </message>
    <message>
        <source>%1 d %2 h</source>
        <extracomment>An amount of time: days and hours</extracomment>
        <translation>%1 d %2 h</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <extracomment>An amount of time: hours and minutes</extracomment>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <extracomment>An amount of time: minutes and seconds</extracomment>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>An amount of time: seconds</extracomment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>KORVELT is %1 behind this PC</source>
        <extracomment>%1 is an amount of time, as in &quot;3 min 38 s&quot;</extracomment>
        <translation>el KORVELT va %1 por detrás de este PC</translation>
    </message>
    <message>
        <source>KORVELT is %1 ahead of this PC</source>
        <extracomment>%1 is an amount of time, as in &quot;3 min 38 s&quot;</extracomment>
        <translation>el KORVELT va %1 por delante de este PC</translation>
    </message>
</context>
<context>
    <name>ControlTexts</name>
    <message>
        <source>1st Sunday</source>
        <translation>1.er domingo</translation>
    </message>
    <message>
        <source>2nd Sunday</source>
        <translation>2.º domingo</translation>
    </message>
    <message>
        <source>3rd Sunday</source>
        <translation>3.er domingo</translation>
    </message>
    <message>
        <source>4th Sunday</source>
        <translation>4.º domingo</translation>
    </message>
    <message>
        <source>Last Sunday</source>
        <translation>Último domingo</translation>
    </message>
    <message>
        <source>January</source>
        <translation>enero</translation>
    </message>
    <message>
        <source>Febuary</source>
        <translation>febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>diciembre</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dom</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Lun</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mié</translation>
    </message>
    <message>
        <source>Thur</source>
        <translation>Jue</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sáb</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Error Opening File.</source>
        <translation>Error al abrir el archivo.</translation>
    </message>
    <message>
        <source>Incompatible data file.</source>
        <translation>Archivo de datos incompatible.</translation>
    </message>
    <message>
        <source>The file uses a later data format.<byte value="xd"/>
Cannot load</source>
        <translation>El archivo usa un formato de datos más reciente.<byte value="xd"/>
No se puede abrir</translation>
    </message>
    <message>
        <source>Error Saving File.</source>
        <translation>Error al guardar el archivo.</translation>
    </message>
</context>
<context>
    <name>DeviceChoice</name>
    <message>
        <source>In Program Mode, %1</source>
        <extracomment>A KORVELT in the list of those attached that is being set up at its own keys; %1 is where it is attached</extracomment>
        <translation>En modo de actualización, %1</translation>
    </message>
    <message>
        <source>No answer, %1</source>
        <extracomment>A KORVELT in the list of those attached that did not say who it is; %1 is where it is attached</extracomment>
        <translation>Sin respuesta, %1</translation>
    </message>
    <message>
        <source>Several KORVELTs are attached. Which one do the commands go to?</source>
        <extracomment>Asked when several KORVELTs are attached and a command needs one</extracomment>
        <translation>Hay varios KORVELT conectados. ¿A cuál van las órdenes?</translation>
    </message>
    <message>
        <source>The KORVELT with serial %1 is gone. Which KORVELT do the commands go to now?</source>
        <extracomment>%1 is the serial number of the KORVELT chosen before</extracomment>
        <translation>El KORVELT con n.º de serie %1 ya no está conectado. ¿A qué KORVELT van ahora las órdenes?</translation>
    </message>
    <message>
        <source>The KORVELT at %1 is gone. Which KORVELT do the commands go to now?</source>
        <extracomment>%1 is where the KORVELT chosen before was attached</extracomment>
        <translation>El KORVELT en %1 ya no está conectado. ¿A qué KORVELT van ahora las órdenes?</translation>
    </message>
    <message>
        <source>Serial %1, version %2, %3</source>
        <extracomment>A KORVELT in the list of those attached: %1 is its serial number, %2 its firmware version, %3 where it is attached</extracomment>
        <translation>N.º de serie %1, versión %2, %3</translation>
    </message>
    <message>
        <source>The KORVELT with serial %1 holds part of the old and part of the new schedule. Write it again first?</source>
        <extracomment>Asked before a command goes to another KORVELT, and before the window closes; %1 is the serial number of the KORVELT a write stopped on</extracomment>
        <translation>El KORVELT con n.º de serie %1 contiene parte de la programación antigua y parte de la nueva. ¿Volver a escribirlo primero?</translation>
    </message>
</context>
<context>
    <name>DevicePresenter</name>
    <message>
        <source>Close any other program that is using it, then try again.</source>
        <translation>Cierre cualquier otro programa que lo esté usando e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Install the rule 60-korvelt.rules into /etc/udev/rules.d, run &quot;sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger&quot; and plug the KORVELT in again.</source>
        <extracomment>Keep the file name, the folder and the command as they are</extracomment>
        <translation>Instale la regla 60-korvelt.rules en /etc/udev/rules.d, ejecute «sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger» y vuelva a conectar el KORVELT.</translation>
    </message>
    <message>
        <source>Writing to KORVELT</source>
        <extracomment>Status texts and messages of a command on the KORVELT; %1 is the block&apos;s number, %2 the last block&apos;s</extracomment>
        <translation>Escribiendo en KORVELT</translation>
    </message>
    <message>
        <source>Writing to KORVELT: block %1 of %2</source>
        <translation>Escribiendo en KORVELT: bloque %1 de %2</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while writing. Check the cable and try again.</source>
        <translation>El KORVELT ha dejado de responder durante la escritura. Compruebe el cable e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while writing (block %1 of %2). Check the cable and try again.</source>
        <translation>El KORVELT ha dejado de responder durante la escritura (bloque %1 de %2). Compruebe el cable e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while writing. Plug it in and try again.</source>
        <translation>El KORVELT se ha desconectado durante la escritura. Conéctelo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while writing (block %1 of %2). Plug it in and try again.</source>
        <translation>El KORVELT se ha desconectado durante la escritura (bloque %1 de %2). Conéctelo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Checking what was written</source>
        <translation>Comprobando lo escrito</translation>
    </message>
    <message>
        <source>Checking what was written: block %1 of %2</source>
        <translation>Comprobando lo escrito: bloque %1 de %2</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while checking what was written. Check the cable and try again.</source>
        <translation>El KORVELT ha dejado de responder durante la comprobación de lo escrito. Compruebe el cable e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while checking what was written (block %1 of %2). Check the cable and try again.</source>
        <translation>El KORVELT ha dejado de responder durante la comprobación de lo escrito (bloque %1 de %2). Compruebe el cable e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while checking what was written. Plug it in and try again.</source>
        <translation>El KORVELT se ha desconectado durante la comprobación de lo escrito. Conéctelo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while checking what was written (block %1 of %2). Plug it in and try again.</source>
        <translation>El KORVELT se ha desconectado durante la comprobación de lo escrito (bloque %1 de %2). Conéctelo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Comparing with KORVELT</source>
        <translation>Comparando con KORVELT</translation>
    </message>
    <message>
        <source>Comparing with KORVELT: block %1 of %2</source>
        <translation>Comparando con KORVELT: bloque %1 de %2</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while reading. Check the cable and try again.</source>
        <translation>El KORVELT ha dejado de responder durante la lectura. Compruebe el cable e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while reading (block %1 of %2). Check the cable and try again.</source>
        <translation>El KORVELT ha dejado de responder durante la lectura (bloque %1 de %2). Compruebe el cable e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while reading. Plug it in and try again.</source>
        <translation>El KORVELT se ha desconectado durante la lectura. Conéctelo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while reading (block %1 of %2). Plug it in and try again.</source>
        <translation>El KORVELT se ha desconectado durante la lectura (bloque %1 de %2). Conéctelo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Reading from KORVELT</source>
        <translation>Leyendo de KORVELT</translation>
    </message>
    <message>
        <source>Reading from KORVELT: block %1 of %2</source>
        <translation>Leyendo de KORVELT: bloque %1 de %2</translation>
    </message>
    <message>
        <source>Setting the KORVELT clock</source>
        <translation>Ajustando el reloj del KORVELT</translation>
    </message>
    <message>
        <source>Setting the KORVELT clock: block %1 of %2</source>
        <translation>Ajustando el reloj del KORVELT: bloque %1 de %2</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while setting the clock. Check the cable and try again.</source>
        <translation>El KORVELT ha dejado de responder durante el ajuste del reloj. Compruebe el cable e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while setting the clock (block %1 of %2). Check the cable and try again.</source>
        <translation>El KORVELT ha dejado de responder durante el ajuste del reloj (bloque %1 de %2). Compruebe el cable e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while setting the clock. Plug it in and try again.</source>
        <translation>El KORVELT se ha desconectado durante el ajuste del reloj. Conéctelo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while setting the clock (block %1 of %2). Plug it in and try again.</source>
        <translation>El KORVELT se ha desconectado durante el ajuste del reloj (bloque %1 de %2). Conéctelo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Reading the KORVELT clock</source>
        <translation>Leyendo el reloj del KORVELT</translation>
    </message>
    <message>
        <source>Reading the KORVELT clock: block %1 of %2</source>
        <translation>Leyendo el reloj del KORVELT: bloque %1 de %2</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while reading the clock. Check the cable and try again.</source>
        <translation>El KORVELT ha dejado de responder durante la lectura del reloj. Compruebe el cable e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>KORVELT stopped answering while reading the clock (block %1 of %2). Check the cable and try again.</source>
        <translation>El KORVELT ha dejado de responder durante la lectura del reloj (bloque %1 de %2). Compruebe el cable e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while reading the clock. Plug it in and try again.</source>
        <translation>El KORVELT se ha desconectado durante la lectura del reloj. Conéctelo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>KORVELT was unplugged while reading the clock (block %1 of %2). Plug it in and try again.</source>
        <translation>El KORVELT se ha desconectado durante la lectura del reloj (bloque %1 de %2). Conéctelo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Daylight Saving</source>
        <extracomment>A place where the KORVELT&apos;s schedule differs: its daylight-saving rule</extracomment>
        <translation>Cambio de hora</translation>
    </message>
    <message>
        <source>Special date %1</source>
        <extracomment>A place where the KORVELT&apos;s schedule differs; %1 is the special date&apos;s number, 1 to 16</extracomment>
        <translation>Fecha especial %1</translation>
    </message>
    <message>
        <source>... and 1 more.</source>
        <extracomment>The last line of a list cut short</extracomment>
        <translation>... y 1 más.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... y %n más.</numerusform>
            <numerusform>... y %n más.</numerusform>
        </translation>
    </message>
    <message>
        <source>The KORVELT does not hold what was written</source>
        <extracomment>First line of a message after a write that did not read back as written</extracomment>
        <translation>El KORVELT no contiene lo que se ha escrito</translation>
    </message>
    <message>
        <source>Write again; if it stays so, the KORVELT may need service.</source>
        <translation>Vuelva a escribir; si el problema persiste, puede que el KORVELT necesite servicio técnico.</translation>
    </message>
</context>
<context>
    <name>DifferenceText</name>
    <message>
        <source>(not chosen)</source>
        <extracomment>A week or month box of the daylight-saving rule none of whose items is chosen</extracomment>
        <translation>(sin elegir)</translation>
    </message>
    <message>
        <source>(empty)</source>
        <extracomment>An empty time cell</extracomment>
        <translation>(vacía)</translation>
    </message>
    <message>
        <source>no days</source>
        <translation>ningún día</translation>
    </message>
    <message>
        <source>%1 to %2 %3</source>
        <extracomment>A slot: %1 its start time, %2 its end time, %3 its days (&quot;Mon Tue&quot; or &quot;no days&quot;)</extracomment>
        <translation>de %1 a %2 %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>slot times</comment>
        <extracomment>A slot: %1 its start time, %2 its end time</extracomment>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>on, %1 of %2 to %3 of %4</source>
        <extracomment>The daylight-saving rule, switched on: %1 of %2 (as in &quot;Last Sunday of March&quot;) the clock goes forward, %3 of %4 it goes back</extracomment>
        <translation>activado, del %1 de %2 al %3 de %4</translation>
    </message>
    <message>
        <source>off, %1 of %2 to %3 of %4</source>
        <extracomment>The daylight-saving rule, switched off: %1 of %2 (as in &quot;Last Sunday of March&quot;) the clock would go forward, %3 of %4 it would go back</extracomment>
        <translation>desactivado, del %1 de %2 al %3 de %4</translation>
    </message>
    <message>
        <source>(not set)</source>
        <extracomment>A special date the window cannot show</extracomment>
        <translation>(sin definir)</translation>
    </message>
    <message>
        <source>%1: window %2, KORVELT %3</source>
        <extracomment>%1 is the slot&apos;s place (&quot;Output 2, Normal Times slot 3&quot;), %2 the window&apos;s slot, %3 the KORVELT&apos;s</extracomment>
        <translation>%1: ventana %2, KORVELT %3</translation>
    </message>
    <message>
        <source>Daylight Saving: window %1; KORVELT %2</source>
        <extracomment>%1 is the window&apos;s daylight-saving rule, %2 the KORVELT&apos;s</extracomment>
        <translation>Cambio de hora: ventana %1; KORVELT %2</translation>
    </message>
    <message>
        <source>Special date %1: window %2, KORVELT %3</source>
        <extracomment>%1 is the special date&apos;s number, %2 the window&apos;s date, %3 the KORVELT&apos;s</extracomment>
        <translation>Fecha especial %1: ventana %2, KORVELT %3</translation>
    </message>
    <message>
        <source>Output %1, Special Times slot %2</source>
        <extracomment>The place of a slot: %1 is the output, %2 the slot</extracomment>
        <translation>Salida %1, horario especial, franja %2</translation>
    </message>
    <message>
        <source>Output %1, Normal Times slot %2</source>
        <extracomment>The place of a slot: %1 is the output, %2 the slot</extracomment>
        <translation>Salida %1, horario normal, franja %2</translation>
    </message>
    <message>
        <source>1st Sunday</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>1.er domingo</translation>
    </message>
    <message>
        <source>2nd Sunday</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>2.º domingo</translation>
    </message>
    <message>
        <source>3rd Sunday</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>3.er domingo</translation>
    </message>
    <message>
        <source>4th Sunday</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>4.º domingo</translation>
    </message>
    <message>
        <source>Last Sunday</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>último domingo</translation>
    </message>
    <message>
        <source>January</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>enero</translation>
    </message>
    <message>
        <source>Febuary</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>febrero</translation>
    </message>
    <message>
        <source>March</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>mayo</translation>
    </message>
    <message>
        <source>June</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>junio</translation>
    </message>
    <message>
        <source>July</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>julio</translation>
    </message>
    <message>
        <source>August</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>octubre</translation>
    </message>
    <message>
        <source>November</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <comment>inside the rule&apos;s sentence</comment>
        <translation>diciembre</translation>
    </message>
</context>
<context>
    <name>GridSlots</name>
    <message>
        <source>On</source>
        <comment>day cell</comment>
        <extracomment>The text of a day cell whose day is on; keep it short</extracomment>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>day cell</comment>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>HolidayNames</name>
    <message>
        <source>England and Wales</source>
        <translation>Inglaterra y Gales</translation>
    </message>
    <message>
        <source>Scotland</source>
        <translation>Escocia</translation>
    </message>
    <message>
        <source>Northern Ireland</source>
        <translation>Irlanda del Norte</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irlanda</translation>
    </message>
    <message>
        <source>Germany (nationwide)</source>
        <translation>Alemania (nacional)</translation>
    </message>
    <message>
        <source>Germany: Baden-Württemberg</source>
        <translation>Alemania: Baden-Wurtemberg</translation>
    </message>
    <message>
        <source>Germany: Bavaria</source>
        <translation>Alemania: Baviera</translation>
    </message>
    <message>
        <source>Germany: Berlin</source>
        <translation>Alemania: Berlín</translation>
    </message>
    <message>
        <source>Germany: Brandenburg</source>
        <translation>Alemania: Brandeburgo</translation>
    </message>
    <message>
        <source>Germany: Bremen</source>
        <translation>Alemania: Bremen</translation>
    </message>
    <message>
        <source>Germany: Hamburg</source>
        <translation>Alemania: Hamburgo</translation>
    </message>
    <message>
        <source>Germany: Hesse</source>
        <translation>Alemania: Hesse</translation>
    </message>
    <message>
        <source>Germany: Lower Saxony</source>
        <translation>Alemania: Baja Sajonia</translation>
    </message>
    <message>
        <source>Germany: Mecklenburg-Western Pomerania</source>
        <translation>Alemania: Mecklemburgo-Pomerania Occidental</translation>
    </message>
    <message>
        <source>Germany: North Rhine-Westphalia</source>
        <translation>Alemania: Renania del Norte-Westfalia</translation>
    </message>
    <message>
        <source>Germany: Rhineland-Palatinate</source>
        <translation>Alemania: Renania-Palatinado</translation>
    </message>
    <message>
        <source>Germany: Saarland</source>
        <translation>Alemania: Sarre</translation>
    </message>
    <message>
        <source>Germany: Saxony</source>
        <translation>Alemania: Sajonia</translation>
    </message>
    <message>
        <source>Germany: Saxony-Anhalt</source>
        <translation>Alemania: Sajonia-Anhalt</translation>
    </message>
    <message>
        <source>Germany: Schleswig-Holstein</source>
        <translation>Alemania: Schleswig-Holstein</translation>
    </message>
    <message>
        <source>Germany: Thuringia</source>
        <translation>Alemania: Turingia</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Austria</translation>
    </message>
    <message>
        <source>Switzerland (every canton)</source>
        <translation>Suiza (todos los cantones)</translation>
    </message>
    <message>
        <source>Switzerland: Zurich</source>
        <translation>Suiza: Zúrich</translation>
    </message>
    <message>
        <source>Switzerland: Bern</source>
        <translation>Suiza: Berna</translation>
    </message>
    <message>
        <source>Switzerland: Basel-Stadt</source>
        <translation>Suiza: Basilea-Ciudad</translation>
    </message>
    <message>
        <source>Switzerland: Geneva</source>
        <translation>Suiza: Ginebra</translation>
    </message>
    <message>
        <source>Switzerland: Vaud</source>
        <translation>Suiza: Vaud</translation>
    </message>
    <message>
        <source>Switzerland: Ticino</source>
        <translation>Suiza: Tesino</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Bélgica</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Francia</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italia</translation>
    </message>
    <message>
        <source>Spain (national)</source>
        <translation>España (nacional)</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polonia</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Países Bajos</translation>
    </message>
    <message>
        <source>United States (federal)</source>
        <translation>Estados Unidos (federal)</translation>
    </message>
    <message>
        <source>Canada (federal)</source>
        <translation>Canadá (federal)</translation>
    </message>
    <message>
        <source>Australia (national)</source>
        <translation>Australia (nacional)</translation>
    </message>
    <message>
        <source>2nd January</source>
        <translation>2 de enero</translation>
    </message>
    <message>
        <source>All Saints&apos; Day</source>
        <translation>Todos los Santos</translation>
    </message>
    <message>
        <source>Anzac Day</source>
        <translation>Día de Anzac</translation>
    </message>
    <message>
        <source>Armistice Day</source>
        <translation>Día del Armisticio</translation>
    </message>
    <message>
        <source>Ascension Day</source>
        <translation>Ascensión</translation>
    </message>
    <message>
        <source>Assumption Day</source>
        <translation>Asunción de la Virgen</translation>
    </message>
    <message>
        <source>Assumption of Mary</source>
        <translation>Asunción de María</translation>
    </message>
    <message>
        <source>Augsburg Peace Festival</source>
        <translation>Fiesta de la Paz de Augsburgo</translation>
    </message>
    <message>
        <source>August bank holiday</source>
        <translation>Festivo bancario de agosto</translation>
    </message>
    <message>
        <source>Australia Day</source>
        <translation>Día de Australia</translation>
    </message>
    <message>
        <source>Bank holiday for the State Funeral of Queen Elizabeth II</source>
        <translation>Festivo por el funeral de Estado de la reina Isabel II</translation>
    </message>
    <message>
        <source>Bank holiday for the coronation of King Charles III</source>
        <translation>Festivo por la coronación del rey Carlos III</translation>
    </message>
    <message>
        <source>Bastille Day</source>
        <translation>Día de la Bastilla</translation>
    </message>
    <message>
        <source>Battle of the Boyne (Orangemen&apos;s Day)</source>
        <translation>Batalla del Boyne (Día de los Orangistas)</translation>
    </message>
    <message>
        <source>Berchtold&apos;s Day</source>
        <translation>San Bertoldo</translation>
    </message>
    <message>
        <source>Birthday of Martin Luther King, Jr.</source>
        <translation>Natalicio de Martin Luther King Jr.</translation>
    </message>
    <message>
        <source>Boxing Day</source>
        <translation>Boxing Day</translation>
    </message>
    <message>
        <source>Canada Day</source>
        <translation>Día de Canadá</translation>
    </message>
    <message>
        <source>Centenary of Independence</source>
        <translation>Centenario de la Independencia</translation>
    </message>
    <message>
        <source>Christmas Day</source>
        <translation>Navidad</translation>
    </message>
    <message>
        <source>Christmas Eve</source>
        <translation>Nochebuena</translation>
    </message>
    <message>
        <source>Columbus Day</source>
        <translation>Día de Colón</translation>
    </message>
    <message>
        <source>Constitution Day</source>
        <translation>Día de la Constitución</translation>
    </message>
    <message>
        <source>Corpus Christi</source>
        <translation>Corpus Christi</translation>
    </message>
    <message>
        <source>Day of German Unity</source>
        <translation>Día de la Unidad Alemana</translation>
    </message>
    <message>
        <source>Day of Liberation</source>
        <translation>Día de la Liberación</translation>
    </message>
    <message>
        <source>Day of Remembrance and Recognition</source>
        <translation>Día del Recuerdo y el Reconocimiento</translation>
    </message>
    <message>
        <source>Day of Repentance and Prayer</source>
        <translation>Día de Penitencia y Oración</translation>
    </message>
    <message>
        <source>Early May bank holiday</source>
        <translation>Festivo bancario de principios de mayo</translation>
    </message>
    <message>
        <source>Easter Monday</source>
        <translation>Lunes de Pascua</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>Domingo de Pascua</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <translation>Epifanía</translation>
    </message>
    <message>
        <source>Federal Fast Monday</source>
        <translation>Lunes del Ayuno Federal</translation>
    </message>
    <message>
        <source>Ferragosto</source>
        <translation>Ferragosto</translation>
    </message>
    <message>
        <source>Genevan Fast</source>
        <translation>Ayuno Ginebrino</translation>
    </message>
    <message>
        <source>Golden Jubilee bank holiday</source>
        <translation>Festivo del Jubileo de Oro</translation>
    </message>
    <message>
        <source>Good Friday</source>
        <translation>Viernes Santo</translation>
    </message>
    <message>
        <source>Immaculate Conception</source>
        <translation>Inmaculada Concepción</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Día de la Independencia</translation>
    </message>
    <message>
        <source>International Women&apos;s Day</source>
        <translation>Día Internacional de la Mujer</translation>
    </message>
    <message>
        <source>June bank holiday</source>
        <translation>Festivo bancario de junio</translation>
    </message>
    <message>
        <source>Juneteenth National Independence Day</source>
        <translation>Juneteenth (Día Nacional de la Independencia)</translation>
    </message>
    <message>
        <source>King&apos;s Birthday</source>
        <translation>Cumpleaños del Rey</translation>
    </message>
    <message>
        <source>King&apos;s Day</source>
        <translation>Día del Rey</translation>
    </message>
    <message>
        <source>Labor Day</source>
        <translation>Día del Trabajo</translation>
    </message>
    <message>
        <source>Labour Day</source>
        <translation>Fiesta del Trabajo</translation>
    </message>
    <message>
        <source>Liberation Day</source>
        <translation>Día de la Liberación</translation>
    </message>
    <message>
        <source>Liberation Day (every fifth year)</source>
        <translation>Día de la Liberación (cada cinco años)</translation>
    </message>
    <message>
        <source>Maundy Thursday</source>
        <translation>Jueves Santo</translation>
    </message>
    <message>
        <source>May bank holiday</source>
        <translation>Festivo bancario de mayo</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>Día de los Caídos</translation>
    </message>
    <message>
        <source>National Day</source>
        <translation>Fiesta Nacional</translation>
    </message>
    <message>
        <source>National Day for Truth and Reconciliation</source>
        <translation>Día Nacional de la Verdad y la Reconciliación</translation>
    </message>
    <message>
        <source>National Day of Mourning for Queen Elizabeth II</source>
        <translation>Día Nacional de Duelo por la reina Isabel II</translation>
    </message>
    <message>
        <source>National Day of Spain</source>
        <translation>Fiesta Nacional de España</translation>
    </message>
    <message>
        <source>New Year&apos;s Day</source>
        <translation>Año Nuevo</translation>
    </message>
    <message>
        <source>October bank holiday</source>
        <translation>Festivo bancario de octubre</translation>
    </message>
    <message>
        <source>Platinum Jubilee bank holiday</source>
        <translation>Festivo del Jubileo de Platino</translation>
    </message>
    <message>
        <source>Queen&apos;s Birthday</source>
        <translation>Cumpleaños de la Reina</translation>
    </message>
    <message>
        <source>Queen&apos;s Day</source>
        <translation>Día de la Reina</translation>
    </message>
    <message>
        <source>Queen&apos;s Diamond Jubilee</source>
        <translation>Jubileo de Diamante de la Reina</translation>
    </message>
    <message>
        <source>Reformation Day</source>
        <translation>Día de la Reforma</translation>
    </message>
    <message>
        <source>Remembrance Day</source>
        <translation>Día del Recuerdo</translation>
    </message>
    <message>
        <source>Republic Day</source>
        <translation>Fiesta de la República</translation>
    </message>
    <message>
        <source>Restoration of the Republic</source>
        <translation>Restauración de la República</translation>
    </message>
    <message>
        <source>Royal wedding</source>
        <translation>Boda real</translation>
    </message>
    <message>
        <source>Saint Brigid&apos;s Day</source>
        <translation>Santa Brígida</translation>
    </message>
    <message>
        <source>Saint Patrick&apos;s Day</source>
        <translation>San Patricio</translation>
    </message>
    <message>
        <source>Saint Stephen&apos;s Day</source>
        <translation>San Esteban</translation>
    </message>
    <message>
        <source>Second Day of Christmas</source>
        <translation>Segundo día de Navidad</translation>
    </message>
    <message>
        <source>Spring bank holiday</source>
        <translation>Festivo bancario de primavera</translation>
    </message>
    <message>
        <source>St Andrew&apos;s Day</source>
        <translation>San Andrés</translation>
    </message>
    <message>
        <source>St Francis of Assisi</source>
        <translation>San Francisco de Asís</translation>
    </message>
    <message>
        <source>St Joseph&apos;s Day</source>
        <translation>San José</translation>
    </message>
    <message>
        <source>St Patrick&apos;s Day</source>
        <translation>San Patricio</translation>
    </message>
    <message>
        <source>St Stephen&apos;s Day</source>
        <translation>San Esteban</translation>
    </message>
    <message>
        <source>State Holiday</source>
        <translation>Fiesta del Estado</translation>
    </message>
    <message>
        <source>Sts Peter and Paul</source>
        <translation>San Pedro y San Pablo</translation>
    </message>
    <message>
        <source>Summer bank holiday</source>
        <translation>Festivo bancario de verano</translation>
    </message>
    <message>
        <source>Swiss National Day</source>
        <translation>Fiesta Nacional Suiza</translation>
    </message>
    <message>
        <source>Thanksgiving Day</source>
        <translation>Día de Acción de Gracias</translation>
    </message>
    <message>
        <source>Veterans Day</source>
        <translation>Día de los Veteranos</translation>
    </message>
    <message>
        <source>Victoria Day</source>
        <translation>Día de Victoria</translation>
    </message>
    <message>
        <source>Victory in Europe Day</source>
        <translation>Día de la Victoria en Europa</translation>
    </message>
    <message>
        <source>Washington&apos;s Birthday</source>
        <translation>Natalicio de Washington</translation>
    </message>
    <message>
        <source>Whit Monday</source>
        <translation>Lunes de Pentecostés</translation>
    </message>
    <message>
        <source>Whit Sunday</source>
        <translation>Domingo de Pentecostés</translation>
    </message>
    <message>
        <source>World Children&apos;s Day</source>
        <translation>Día Mundial de la Infancia</translation>
    </message>
    <message>
        <source>150th anniversary of the unification of Italy</source>
        <translation>150.º aniversario de la unificación de Italia</translation>
    </message>
    <message>
        <source>Additional bank holiday</source>
        <translation>Festivo bancario adicional</translation>
    </message>
    <message>
        <source>Anniversary of the uprising of 17 June 1953</source>
        <translation>Aniversario del levantamiento del 17 de junio de 1953</translation>
    </message>
</context>
<context>
    <name>HolidayNotes</name>
    <message>
        <source>A holiday in every canton but Ticino and Valais.</source>
        <translation>Festivo en todos los cantones salvo Tesino y Valais.</translation>
    </message>
    <message>
        <source>A holiday in every region but Catalonia (and in some years Valencia).</source>
        <translation>Festivo en todas las comunidades salvo Cataluña (y algunos años la Comunidad Valenciana).</translation>
    </message>
    <message>
        <source>A holiday in most cantons, not in Geneva, Jura, Neuchâtel, Valais and Vaud.</source>
        <translation>Festivo en la mayoría de los cantones, no en Ginebra, Jura, Neuchâtel, Valais ni Vaud.</translation>
    </message>
    <message>
        <source>A holiday in most cantons, not in Valais.</source>
        <translation>Festivo en la mayoría de los cantones, no en Valais.</translation>
    </message>
    <message>
        <source>A public holiday, but a day off only where the collective agreement or the employer gives it, in many agreements every fifth year only.</source>
        <translation>Festivo oficial, pero día libre solo donde lo concede el convenio colectivo o la empresa; en muchos convenios, solo cada cinco años.</translation>
    </message>
    <message>
        <source>A public holiday, but a day off only where the collective agreement or the employer gives it.</source>
        <translation>Festivo oficial, pero día libre solo donde lo concede el convenio colectivo o la empresa.</translation>
    </message>
    <message>
        <source>In some Catholic Sorbian municipalities of the districts of Bautzen and Görlitz only.</source>
        <translation>Solo en algunos municipios sorabos católicos de los distritos de Bautzen y Görlitz.</translation>
    </message>
    <message>
        <source>In the city of Augsburg only.</source>
        <translation>Solo en la ciudad de Augsburgo.</translation>
    </message>
    <message>
        <source>In the municipalities of the Eichsfeld district with a mainly Catholic population, and some others, only.</source>
        <translation>Solo en los municipios de mayoría católica del distrito de Eichsfeld y algunos otros.</translation>
    </message>
    <message>
        <source>In the municipalities with a mainly Catholic population (most of Bavaria, Munich included); untick it elsewhere.</source>
        <translation>En los municipios de población mayoritariamente católica (casi toda Baviera, Múnich incluida); en otros lugares, desmárquelo.</translation>
    </message>
    <message>
        <source>Liberation Day in the years of a lustrum (2025, 2030, ...), as many agreements give it.</source>
        <translation>Día de la Liberación en los años de lustro (2025, 2030, ...), como lo conceden muchos convenios.</translation>
    </message>
    <message>
        <source>Western Australia and Queensland keep it on other days.</source>
        <translation>Australia Occidental y Queensland lo celebran en otras fechas.</translation>
    </message>
    <message>
        <source>A one-off bank holiday in Scotland alone, proclaimed for Monday 15 June 2026.</source>
        <translation>Un festivo bancario único, solo en Escocia, proclamado para el lunes 15 de junio de 2026.</translation>
    </message>
    <message>
        <source>A public holiday once, by Decree-law 5 of 2011.</source>
        <translation>Festivo una sola vez, por el Decreto-ley n.º 5 de 2011.</translation>
    </message>
    <message>
        <source>A holiday in Berlin once, 75 years after the uprising of 17 June 1953.</source>
        <translation>Festivo en Berlín una sola vez, 75 años después del levantamiento del 17 de junio de 1953.</translation>
    </message>
    <message>
        <source>In 2011 on Tuesday 26 April, as Easter Monday fell on 25 April.</source>
        <translation>En 2011, el martes 26 de abril, porque el Lunes de Pascua cayó el 25 de abril.</translation>
    </message>
    <message>
        <source>On 2 June from 2001 (Law 336 of 2000); from 1977 to 2000 it was kept on the first Sunday of June.</source>
        <translation>El 2 de junio desde 2001 (Ley n.º 336 de 2000); de 1977 a 2000 se celebraba el primer domingo de junio.</translation>
    </message>
    <message>
        <source>On a Saturday or a Sunday, the working day after it is the day off (Canada Labour Code, as the federal government&apos;s lists give it).</source>
        <translation>Si cae en sábado o domingo, se libra el día laborable siguiente (Código del Trabajo de Canadá, como indican las listas del gobierno federal).</translation>
    </message>
</context>
<context>
    <name>HolidayRuleFile</name>
    <message>
        <source>has an unknown kind &quot;%1&quot; (known: fixed, easter, nth-weekday, last-weekday).</source>
        <translation>es de un tipo desconocido, «%1» (tipos conocidos: fixed, easter, nth-weekday, last-weekday).</translation>
    </message>
    <message>
        <source>needs a whole &quot;month&quot; and &quot;day&quot;.</source>
        <translation>necesita un «month» y un «day» enteros.</translation>
    </message>
    <message>
        <source>needs a whole &quot;offset&quot; (days from Easter Sunday).</source>
        <translation>necesita un «offset» entero (días desde el Domingo de Pascua).</translation>
    </message>
    <message>
        <source>needs a whole &quot;nth&quot; (1 to 4).</source>
        <translation>necesita un «nth» entero (de 1 a 4).</translation>
    </message>
    <message>
        <source>needs a &quot;weekday&quot; from sunday to saturday.</source>
        <translation>necesita un «weekday» de sunday a saturday.</translation>
    </message>
    <message>
        <source>needs a whole &quot;month&quot;.</source>
        <translation>necesita un «month» entero.</translation>
    </message>
    <message>
        <source>has an unknown &quot;weekend&quot; &quot;%1&quot;.</source>
        <translation>tiene un «weekend» desconocido, «%1».</translation>
    </message>
    <message>
        <source>has an unknown &quot;then&quot; &quot;%1&quot; (known: before, after, on-or-before, on-or-after).</source>
        <translation>tiene un «then» desconocido, «%1» (valores conocidos: before, after, on-or-before, on-or-after).</translation>
    </message>
    <message>
        <source>needs a &quot;then-weekday&quot; from sunday to saturday.</source>
        <translation>necesita un «then-weekday» de sunday a saturday.</translation>
    </message>
    <message>
        <source>needs a whole number of years as &quot;%1&quot;.</source>
        <translation>necesita un número entero de años en «%1».</translation>
    </message>
    <message>
        <source>needs a list as &quot;changes&quot;.</source>
        <translation>necesita una lista en «changes».</translation>
    </message>
    <message>
        <source>needs a &quot;year&quot; and either a &quot;month&quot; and &quot;day&quot; or &quot;dropped&quot; in each change.</source>
        <translation>necesita en cada cambio un «year» y, además, un «month» y un «day» o bien «dropped».</translation>
    </message>
    <message>
        <source>The file is not valid JSON: %1 at character %2.</source>
        <translation>El archivo no es JSON válido: %1 en el carácter %2.</translation>
    </message>
    <message>
        <source>The file is no holiday rule file.</source>
        <translation>El archivo no es un archivo de reglas de festivos.</translation>
    </message>
    <message>
        <source>The file was written by a later version of the program.</source>
        <translation>El archivo se escribió con una versión más reciente del programa.</translation>
    </message>
    <message>
        <source>Rule %1 %2</source>
        <extracomment>%1 is the rule&apos;s number in the file; %2 what is wrong with it, as in &quot;needs a whole &quot;month&quot;.&quot;</extracomment>
        <translation>Regla %1: %2</translation>
    </message>
    <message>
        <source>Rule %1 (%2) %3</source>
        <extracomment>%1 is the rule&apos;s number in the file, %2 its name; %3 what is wrong with it, as in &quot;needs a whole &quot;month&quot;.&quot;</extracomment>
        <translation>Regla %1 (%2): %3</translation>
    </message>
    <message>
        <source>The file cannot be opened.</source>
        <translation>No se puede abrir el archivo.</translation>
    </message>
    <message>
        <source>The file is too large for a holiday rule file.</source>
        <translation>El archivo es demasiado grande para ser un archivo de reglas de festivos.</translation>
    </message>
</context>
<context>
    <name>HolidayText</name>
    <message>
        <source>January</source>
        <translation>enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>diciembre</translation>
    </message>
    <message>
        <source>%1 (substitute day)</source>
        <extracomment>A holiday moved off a weekend: %1 is its name</extracomment>
        <translation>%1 (día sustitutorio)</translation>
    </message>
    <message>
        <source>%1 (observed)</source>
        <extracomment>A holiday observed on a weekday: %1 is its name</extracomment>
        <translation>%1 (trasladado)</translation>
    </message>
    <message>
        <source> / </source>
        <extracomment>Between the names of holidays on the same day</extracomment>
        <translation> / </translation>
    </message>
    <message>
        <source>The month must be from 1 to 12.</source>
        <translation>El mes debe ser de 1 a 12.</translation>
    </message>
    <message>
        <source>%1 %2 is not a date.</source>
        <extracomment>%1 is a day, %2 a month, as in &quot;30 February is not a date.&quot;</extracomment>
        <translation>%1 de %2 no es una fecha.</translation>
    </message>
    <message>
        <source>Days from Easter Sunday must be from -%1 to %1.</source>
        <extracomment>%1 is the most days a rule may be from Easter Sunday</extracomment>
        <translation>Los días desde el Domingo de Pascua deben ser de -%1 a %1.</translation>
    </message>
    <message>
        <source>Which weekday of the month must be from 1 to 4 (or the last).</source>
        <translation>El número del día de la semana en el mes debe ser de 1 a 4 (o el último).</translation>
    </message>
    <message>
        <source>The weekday must be from 0 (Sunday) to 6 (Saturday).</source>
        <translation>El día de la semana debe ser de 0 (domingo) a 6 (sábado).</translation>
    </message>
    <message>
        <source>The weekday before or after must be from 0 (Sunday) to 6 (Saturday).</source>
        <translation>El día de la semana anterior o posterior debe ser de 0 (domingo) a 6 (sábado).</translation>
    </message>
    <message>
        <source>The first and the last year must be from %1 to %2.</source>
        <translation>El primer y el último año deben ser de %1 a %2.</translation>
    </message>
    <message>
        <source>The last year (%1) is before the first (%2).</source>
        <extracomment>%1 is the last year, %2 the first</extracomment>
        <translation>El último año (%1) es anterior al primero (%2).</translation>
    </message>
    <message>
        <source>Every how many years must be from 1 to 100.</source>
        <translation>El intervalo de «cada … años» debe ser de 1 a 100.</translation>
    </message>
    <message numerus="yes">
        <source>Every %n years needs the first year to count from.</source>
        <extracomment>%n is every how many years (2 or more)</extracomment>
        <translation>
            <numerusform>«Cada %n año» necesita un primer año desde el que contar.</numerusform>
            <numerusform>«Cada %n años» necesita un primer año desde el que contar.</numerusform>
        </translation>
    </message>
    <message>
        <source>The year of a change must be from %1 to %2.</source>
        <translation>El año de un cambio debe ser de %1 a %2.</translation>
    </message>
    <message>
        <source>%1 is changed twice.</source>
        <extracomment>%1 is a year</extracomment>
        <translation>El año %1 tiene dos cambios.</translation>
    </message>
    <message>
        <source>The change of %1 is not a date.</source>
        <extracomment>%1 is a year</extracomment>
        <translation>El cambio del año %1 no es una fecha.</translation>
    </message>
</context>
<context>
    <name>HolidaysDialog</name>
    <message>
        <source>Holiday Rules (*.json);;All Files (*.*)</source>
        <extracomment>File dialog filter; keep the patterns in parentheses as they are</extracomment>
        <translation>Reglas de festivos (*.json);;Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sábado</translation>
    </message>
    <message>
        <source>1st %1 of %2</source>
        <extracomment>A rule&apos;s day: %1 is a weekday, %2 a month</extracomment>
        <translation>1.er %1 de %2</translation>
    </message>
    <message>
        <source>2nd %1 of %2</source>
        <translation>2.º %1 de %2</translation>
    </message>
    <message>
        <source>3rd %1 of %2</source>
        <translation>3.er %1 de %2</translation>
    </message>
    <message>
        <source>4th %1 of %2</source>
        <translation>4.º %1 de %2</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <extracomment>A rule&apos;s day: %1 is a number, %2 a weekday, %3 a month</extracomment>
        <translation>%1.º %2 de %3</translation>
    </message>
    <message>
        <source>the %1 before %2</source>
        <extracomment>A rule&apos;s day: %1 is a weekday, %2 the date it is counted from, as in &quot;the Wednesday before 23 November&quot;</extracomment>
        <translation>el %1 anterior al %2</translation>
    </message>
    <message>
        <source>the %1 after %2</source>
        <translation>el %1 posterior al %2</translation>
    </message>
    <message>
        <source>the %1 on or before %2</source>
        <translation>el %1 anterior al %2 o ese mismo día</translation>
    </message>
    <message>
        <source>the %1 on or after %2</source>
        <translation>el %1 posterior al %2 o ese mismo día</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>day and month</comment>
        <extracomment>A rule&apos;s date: %1 is the day, %2 the month, as in &quot;25 December&quot;</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1, on a weekend the next Monday</source>
        <extracomment>%1 is a rule&apos;s date, as in &quot;25 December&quot;</extracomment>
        <translation>%1, en fin de semana el lunes siguiente</translation>
    </message>
    <message>
        <source>%1, on a Saturday the Friday before, on a Sunday the Monday after</source>
        <translation>%1, en sábado el viernes anterior, en domingo el lunes siguiente</translation>
    </message>
    <message>
        <source>%1, on a Sunday the Saturday before</source>
        <translation>%1, en domingo el sábado anterior</translation>
    </message>
    <message>
        <source>%1, on a Sunday the next Monday</source>
        <translation>%1, en domingo el lunes siguiente</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>Domingo de Pascua</translation>
    </message>
    <message>
        <source>Easter Sunday %1 days</source>
        <extracomment>A rule&apos;s day counted from Easter: %1 is a signed number of days, as in &quot;+50&quot; or &quot;-2&quot;</extracomment>
        <translation>Domingo de Pascua %1 días</translation>
    </message>
    <message>
        <source>last %1 of %2</source>
        <extracomment>A rule&apos;s day: %1 is a weekday, %2 a month</extracomment>
        <translation>último %1 de %2</translation>
    </message>
    <message>
        <source>%1, in %2 only</source>
        <extracomment>%1 is a rule&apos;s day, %2 the one year it holds</extracomment>
        <translation>%1, solo en %2</translation>
    </message>
    <message>
        <source>%1, every %2 years from %3</source>
        <extracomment>%1 is a rule&apos;s day, %2 every how many years, %3 the year it counts from</extracomment>
        <translation>%1, cada %2 años desde %3</translation>
    </message>
    <message>
        <source>%1, from %2</source>
        <extracomment>%1 is a rule&apos;s day, %2 its first year</extracomment>
        <translation>%1, desde %2</translation>
    </message>
    <message>
        <source>%1, until %2</source>
        <extracomment>%1 is a rule&apos;s day (perhaps with its first year), %2 its last year</extracomment>
        <translation>%1, hasta %2</translation>
    </message>
    <message>
        <source>none in %1</source>
        <extracomment>A year in which a rule gives no holiday</extracomment>
        <translation>ninguno en %1</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>day, month and year</comment>
        <translation>%1 de %2 de %3</translation>
    </message>
    <message>
        <source>%1 more</source>
        <comment>changes</comment>
        <extracomment>How many more one-off changes a rule has</extracomment>
        <translation>%1 más</translation>
    </message>
    <message>
        <source>%1 (once: %2)</source>
        <extracomment>%1 is a rule&apos;s day, %2 its one-off changes, as in &quot;none in 2031, 8 May 2020&quot;</extracomment>
        <translation>%1 (cambios puntuales: %2)</translation>
    </message>
    <message>
        <source>, </source>
        <comment>list of changes</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>rule name and day</comment>
        <extracomment>A rule in the list: %1 is its name, %2 its day</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>QtUserDialogs</name>
    <message>
        <source>Print</source>
        <extracomment>Title of the print preview window</extracomment>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>KORVELTs attached</source>
        <extracomment>Name of the list of KORVELTs attached, for screen readers</extracomment>
        <translation>KORVELT conectados</translation>
    </message>
</context>
<context>
    <name>ScheduleFiles</name>
    <message>
        <source>Data Files (*.dat);;All Files (*.*)</source>
        <extracomment>The file dialogs&apos; filter: keep &quot;(*.dat)&quot;, &quot;(*.*)&quot; and &quot;;;&quot; as they are</extracomment>
        <translation>Archivos de datos (*.dat);;Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Data has changed
Save now?</source>
        <extracomment>Asked before unsaved changes would be replaced; Yes saves them</extracomment>
        <translation>Los datos han cambiado
¿Guardar ahora?</translation>
    </message>
    <message>
        <source>File: Untitled (unsaved changes)</source>
        <extracomment>Status area: the schedule was never saved</extracomment>
        <translation>Archivo: Sin título (cambios sin guardar)</translation>
    </message>
    <message>
        <source>File: Untitled</source>
        <translation>Archivo: Sin título</translation>
    </message>
    <message>
        <source>File: %1 (unsaved changes)</source>
        <extracomment>Status area; %1 is the data file&apos;s name</extracomment>
        <translation>Archivo: %1 (cambios sin guardar)</translation>
    </message>
    <message>
        <source>File: %1</source>
        <extracomment>Status area; %1 is the data file&apos;s name</extracomment>
        <translation>Archivo: %1</translation>
    </message>
    <message>
        <source>KORVELT schedule</source>
        <extracomment>The name the PDF file is offered under when the schedule was never saved</extracomment>
        <translation>Programación KORVELT</translation>
    </message>
</context>
<context>
    <name>ScheduleJson</name>
    <message>
        <source>an object is expected</source>
        <translation>se espera un objeto</translation>
    </message>
    <message>
        <source>unknown key</source>
        <translation>clave desconocida</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>falta</translation>
    </message>
    <message>
        <source>one day too many; there are %1</source>
        <translation>un día de más; son %1</translation>
    </message>
    <message>
        <source>one slot too many; there are %1</source>
        <translation>una franja de más; son %1</translation>
    </message>
    <message>
        <source>one output too many; there are %1</source>
        <translation>una salida de más; son %1</translation>
    </message>
    <message>
        <source>one date too many; there are %1</source>
        <translation>una fecha de más; son %1</translation>
    </message>
    <message>
        <source>missing; there are %1 days</source>
        <translation>falta; son %1 días</translation>
    </message>
    <message>
        <source>missing; there are %1 slots</source>
        <translation>falta; son %1 franjas</translation>
    </message>
    <message>
        <source>missing; there are %1 outputs</source>
        <translation>falta; son %1 salidas</translation>
    </message>
    <message>
        <source>missing; there are %1 dates</source>
        <translation>falta; son %1 fechas</translation>
    </message>
    <message>
        <source>an array is expected</source>
        <translation>se espera una matriz</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2 is expected</source>
        <translation>se espera un número entero de %1 a %2</translation>
    </message>
    <message>
        <source>16 hexadecimal digits are expected</source>
        <translation>se esperan 16 dígitos hexadecimales</translation>
    </message>
    <message>
        <source>a number or null is expected</source>
        <translation>se espera un número o null</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time HH:MM:SS</source>
        <translation>«%1» no es una hora HH:MM:SS</translation>
    </message>
    <message>
        <source>a time &quot;HH:MM:SS&quot; is expected</source>
        <translation>se espera una hora «HH:MM:SS»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date YYYY-MM-DD from %2 to %3</source>
        <translation>«%1» no es una fecha YYYY-MM-DD de %2 a %3</translation>
    </message>
    <message>
        <source>a date &quot;YYYY-MM-DD&quot; is expected</source>
        <translation>se espera una fecha «YYYY-MM-DD»</translation>
    </message>
    <message>
        <source>one of %1 is expected</source>
        <translation>se espera uno de estos valores: %1</translation>
    </message>
    <message>
        <source>an array of day names is expected</source>
        <translation>se espera una matriz de nombres de día</translation>
    </message>
    <message>
        <source>a day name, Sunday to Saturday, once each, is expected</source>
        <translation>se espera un nombre de día, de Sunday a Saturday, cada uno una vez</translation>
    </message>
    <message>
        <source>does not agree with days</source>
        <translation>no coincide con days</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is expected</source>
        <translation>se espera «%1»</translation>
    </message>
    <message>
        <source>a later version of this format</source>
        <translation>una versión posterior de este formato</translation>
    </message>
    <message>
        <source>%1 is expected here</source>
        <translation>aquí se espera %1</translation>
    </message>
    <message>
        <source>not a byte of the data file that the loader leaves unread</source>
        <translation>no es un byte del archivo de datos que la carga deja sin leer</translation>
    </message>
    <message>
        <source>the version would be a later one</source>
        <translation>la versión sería una posterior</translation>
    </message>
    <message>
        <source>neither a KORVELT data file nor a schedule in JSON</source>
        <translation>ni un archivo de datos KORVELT ni una programación en JSON</translation>
    </message>
    <message>
        <source>line %1: not JSON: %2</source>
        <translation>línea %1: no es JSON: %2</translation>
    </message>
    <message>
        <source>%1: the key is given twice</source>
        <translation>%1: la clave aparece dos veces</translation>
    </message>
    <message>
        <source>the top level</source>
        <translation>el nivel superior</translation>
    </message>
</context>
<context>
    <name>ScheduleReport</name>
    <message>
        <source>January</source>
        <translation>enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>diciembre</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sábado</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domingo</translation>
    </message>
    <message>
        <source>Mon</source>
        <extracomment>The short weekday names heading the day columns of an output&apos;s table</extracomment>
        <translation>Lun</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mié</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Jue</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sáb</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dom</translation>
    </message>
    <message>
        <source>the first Sunday of %1</source>
        <extracomment>When the clocks change; %1 is a month</extracomment>
        <translation>el primer domingo de %1</translation>
    </message>
    <message>
        <source>the second Sunday of %1</source>
        <translation>el segundo domingo de %1</translation>
    </message>
    <message>
        <source>the third Sunday of %1</source>
        <translation>el tercer domingo de %1</translation>
    </message>
    <message>
        <source>the fourth Sunday of %1</source>
        <translation>el cuarto domingo de %1</translation>
    </message>
    <message>
        <source>the last Sunday of %1</source>
        <translation>el último domingo de %1</translation>
    </message>
    <message>
        <source>a Sunday in %1 (no week chosen)</source>
        <extracomment>When the clocks change, with no week chosen; %1 is a month</extracomment>
        <translation>un domingo de %1 (sin semana elegida)</translation>
    </message>
    <message>
        <source>the first Sunday of a month (no month chosen)</source>
        <translation>el primer domingo de un mes (sin mes elegido)</translation>
    </message>
    <message>
        <source>the second Sunday of a month (no month chosen)</source>
        <translation>el segundo domingo de un mes (sin mes elegido)</translation>
    </message>
    <message>
        <source>the third Sunday of a month (no month chosen)</source>
        <translation>el tercer domingo de un mes (sin mes elegido)</translation>
    </message>
    <message>
        <source>the fourth Sunday of a month (no month chosen)</source>
        <translation>el cuarto domingo de un mes (sin mes elegido)</translation>
    </message>
    <message>
        <source>the last Sunday of a month (no month chosen)</source>
        <translation>el último domingo de un mes (sin mes elegido)</translation>
    </message>
    <message>
        <source>a day not chosen</source>
        <translation>un día sin elegir</translation>
    </message>
    <message>
        <source>Daylight saving off</source>
        <translation>Cambio de hora desactivado</translation>
    </message>
    <message>
        <source>Clocks go forward on %1 and back on %2</source>
        <extracomment>The daylight-saving rule in words; %1 and %2 are days such as &quot;the last Sunday of March&quot;</extracomment>
        <translation>El reloj se adelanta %1 y se atrasa %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>range of outputs</comment>
        <extracomment>A range of output numbers, as in &quot;Outputs 1, 3 and 9 to 16&quot;</extracomment>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>list of outputs</comment>
        <extracomment>The list of output numbers: %1 all but the last, joined by commas, %2 the last, as in &quot;1, 3 and 9 to 16&quot;</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>, </source>
        <comment>list of outputs</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Outputs %1</source>
        <extracomment>%1 is a list of output numbers, as in &quot;1, 3 and 9 to 16&quot;</extracomment>
        <translation>Salidas %1</translation>
    </message>
    <message>
        <source>Output %1</source>
        <comment>one output in a list</comment>
        <extracomment>%1 is one output&apos;s number</extracomment>
        <translation>Salida %1</translation>
    </message>
    <message>
        <source>not saved</source>
        <extracomment>In the page header, in place of the file name</extracomment>
        <translation>sin guardar</translation>
    </message>
    <message>
        <source>Printed: %1</source>
        <extracomment>In the page header: %1 is the date and time of printing</extracomment>
        <translation>Impreso: %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Archivo: %1</translation>
    </message>
    <message>
        <source>KORVELT: %1, serial number %2</source>
        <extracomment>In the page header: %1 is the KORVELT&apos;s version, %2 its serial number</extracomment>
        <translation>KORVELT: %1, n.º de serie %2</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>in the past</source>
        <translation>pasada</translation>
    </message>
    <message>
        <source>same as special date %1</source>
        <translation>igual que la fecha especial %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Día de la semana</translation>
    </message>
    <message>
        <source>Special date</source>
        <extracomment>Column heading: the special date&apos;s number</extracomment>
        <translation>Fecha especial</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(sin definir)</translation>
    </message>
    <message>
        <source>, </source>
        <comment>list of notes</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Special dates</source>
        <translation>Fechas especiales</translation>
    </message>
    <message>
        <source>Schedule check</source>
        <translation>Comprobación de la programación</translation>
    </message>
    <message>
        <source>Mistake: %1</source>
        <extracomment>%1 is a finding of the schedule check</extracomment>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Nota: %1</translation>
    </message>
    <message>
        <source>(empty)</source>
        <extracomment>An empty time cell</extracomment>
        <translation>(vacía)</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Franja</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>slot start time</comment>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <comment>slot end time</comment>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Special slot</source>
        <translation>Franja especial</translation>
    </message>
    <message>
        <source>Output %1</source>
        <comment>heading</comment>
        <extracomment>Heading of an output&apos;s tables</extracomment>
        <translation>Salida %1</translation>
    </message>
    <message>
        <source>Outputs with nothing set</source>
        <translation>Salidas sin programar</translation>
    </message>
    <message>
        <source>%1: nothing set</source>
        <extracomment>%1 names outputs, as in &quot;Outputs 1, 3 and 9 to 16&quot;</extracomment>
        <translation>%1: sin programar</translation>
    </message>
    <message>
        <source>The week</source>
        <translation>La semana</translation>
    </message>
    <message>
        <source>KORVELT Time Control: %1</source>
        <extracomment>The PDF file&apos;s title: %1 is the schedule&apos;s file name</extracomment>
        <translation>KORVELT Time Control: %1</translation>
    </message>
</context>
<context>
    <name>SlotClipboard</name>
    <message numerus="yes">
        <source>The clipboard holds %1 slots; %n were pasted into the selected slots.</source>
        <extracomment>%1 is how many slots the clipboard holds (at least 3), %n how many were pasted (at least 2)</extracomment>
        <translation>
            <numerusform>El portapapeles contiene %1 franjas; se ha pegado %n en las franjas seleccionadas.</numerusform>
            <numerusform>El portapapeles contiene %1 franjas; se han pegado %n en las franjas seleccionadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>The clipboard holds %1 slots; 1 was pasted, as slot %2 is the last.</source>
        <extracomment>%1 is how many slots the clipboard holds (at least 2), %2 the number of the grid&apos;s last slot</extracomment>
        <translation>El portapapeles contiene %1 franjas; se ha pegado 1, porque la franja %2 es la última.</translation>
    </message>
    <message numerus="yes">
        <source>The clipboard holds %1 slots; %n were pasted, as slot %2 is the last.</source>
        <extracomment>%1 is how many slots the clipboard holds (at least 3), %n how many were pasted, %2 the number of the grid&apos;s last slot</extracomment>
        <translation>
            <numerusform>El portapapeles contiene %1 franjas; se ha pegado %n, porque la franja %2 es la última.</numerusform>
            <numerusform>El portapapeles contiene %1 franjas; se han pegado %n, porque la franja %2 es la última.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SlotGridPage</name>
    <message>
        <source>&quot;%1&quot; is not a time of day: the day&apos;s last second is 23:59:59. The Start cell of slot %2 keeps its value.</source>
        <extracomment>%1 is the text typed, %2 the slot&apos;s number; name the column as its heading does</extracomment>
        <translation>«%1» no es una hora del día: el último segundo del día es 23:59:59. La celda Inicio de la franja %2 conserva su valor.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time of day: the day&apos;s last second is 23:59:59. The End cell of slot %2 keeps its value.</source>
        <extracomment>%1 is the text typed, %2 the slot&apos;s number; name the column as its heading does</extracomment>
        <translation>«%1» no es una hora del día: el último segundo del día es 23:59:59. La celda Fin de la franja %2 conserva su valor.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time. The Start cell of slot %2 keeps its value.

Type a time such as 13:30, 13:30:00, 7:05, 7.05, 1330, 133000, 9:30 am or 9:30 PM.</source>
        <extracomment>%1 is the text typed, %2 the slot&apos;s number; name the column as its heading does</extracomment>
        <translation>«%1» no es una hora. La celda Inicio de la franja %2 conserva su valor.

Escriba una hora como 13:30, 13:30:00, 7:05, 7.05, 1330, 133000, 9:30 am o 9:30 PM.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time. The End cell of slot %2 keeps its value.

Type a time such as 13:30, 13:30:00, 7:05, 7.05, 1330, 133000, 9:30 am or 9:30 PM.</source>
        <translation>«%1» no es una hora. La celda Fin de la franja %2 conserva su valor.

Escriba una hora como 13:30, 13:30:00, 7:05, 7.05, 1330, 133000, 9:30 am o 9:30 PM.</translation>
    </message>
</context>
<context>
    <name>WeekPage</name>
    <message>
        <source>1 mistake</source>
        <extracomment>Count of the schedule check</extracomment>
        <translation>1 error</translation>
    </message>
    <message numerus="yes">
        <source>%n mistakes</source>
        <translation>
            <numerusform>%n error</numerusform>
            <numerusform>%n errores</numerusform>
        </translation>
    </message>
    <message>
        <source>1 note</source>
        <extracomment>Count of the schedule check</extracomment>
        <translation>1 nota</translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n nota</numerusform>
            <numerusform>%n notas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WeekPicture</name>
    <message>
        <source>Output %1</source>
        <extracomment>The label of an output&apos;s row in the week picture; keep it short</extracomment>
        <translation>Salida %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>slot times</comment>
        <extracomment>A slot&apos;s times: %1 its start, %2 its end</extracomment>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>Special date %1: (not set)</source>
        <translation>Fecha especial %1: (sin definir)</translation>
    </message>
    <message>
        <source>Special date %1: %2 %3</source>
        <extracomment>Heading of the week picture of a special date: %1 its number, %2 its weekday, %3 its date</extracomment>
        <translation>Fecha especial %1: %2 %3</translation>
    </message>
    <message>
        <source>%1 (ends before it starts)</source>
        <extracomment>%1 is a slot&apos;s times, as in &quot;22:00:00 to 06:00:00&quot;</extracomment>
        <translation>%1 (termina antes de empezar)</translation>
    </message>
    <message>
        <source>off</source>
        <comment>day with nothing on</comment>
        <extracomment>An output&apos;s day with nothing on</extracomment>
        <translation>apagada</translation>
    </message>
    <message>
        <source> and </source>
        <extracomment>Joins the times of a day&apos;s slots, as in &quot;06:00:00 to 07:00:00 and 18:00:00 to 20:00:00&quot;</extracomment>
        <translation> y </translation>
    </message>
    <message>
        <source>off all week</source>
        <translation>apagada toda la semana</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>range of days</comment>
        <extracomment>A range of days, as in &quot;Mon to Fri&quot;</extracomment>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>days and their times</comment>
        <extracomment>%1 is a day or range of days, %2 what that day does, as in &quot;Mon to Fri&quot; and &quot;07:30:00 to 20:00:00&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between days</comment>
        <translation>; </translation>
    </message>
    <message>
        <source>%1: %2
It ends before it starts: drawn up to midnight, as it is not known whether the KORVELT runs it on overnight.</source>
        <extracomment>Tooltip of a bar: %1 is the slot&apos;s place (&quot;Output 2, Normal Times slot 3&quot;), %2 its times</extracomment>
        <translation>%1: %2
Termina antes de empezar: se dibuja hasta medianoche, porque no se sabe si el KORVELT la prolonga pasada la medianoche.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>slot and its times</comment>
        <extracomment>Tooltip of a bar: %1 is the slot&apos;s place (&quot;Output 2, Normal Times slot 3&quot;), %2 its times</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>korvelt::CommandPanel</name>
    <message>
        <source>Not connected</source>
        <extracomment>Status area: no KORVELT has answered yet</extracomment>
        <translation>No conectado</translation>
    </message>
    <message>
        <source>Device log</source>
        <translation>Cuadro de información</translation>
    </message>
    <message>
        <source>Clock date</source>
        <translation>Fecha del reloj</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>Hora del reloj</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Schedule check</source>
        <translation>Comprobación de la programación</translation>
    </message>
    <message>
        <source>What the schedule check found; the Week page lists it.</source>
        <extracomment>Tooltip of the schedule check&apos;s count in the status area</extracomment>
        <translation>Lo que ha encontrado la comprobación de la programación; la pestaña Semana lo detalla.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>&amp;Use PC Time</source>
        <extracomment>Check box: &quot;Set Time&quot; sends the computer&apos;s clock</extracomment>
        <translation>&amp;Usar hora del PC</translation>
    </message>
    <message>
        <source>&amp;Verify after writing</source>
        <extracomment>Check box: a write is read back and compared</extracomment>
        <translation>&amp;Verificar tras escribir</translation>
    </message>
    <message>
        <source>&amp;Compare with KORVELT</source>
        <extracomment>Button; keep it short</extracomment>
        <translation>&amp;Comparar con KORVELT</translation>
    </message>
</context>
<context>
    <name>korvelt::CompareDialog</name>
    <message>
        <source>Compare with KORVELT</source>
        <translation>Comparar con KORVELT</translation>
    </message>
    <message>
        <source>Identical</source>
        <extracomment>The KORVELT holds exactly the window&apos;s schedule</extracomment>
        <translation>Idénticos</translation>
    </message>
    <message>
        <source>The KORVELT differs from the window in 1 place:</source>
        <extracomment>Heading above the list of differences</extracomment>
        <translation>El KORVELT difiere de la ventana en 1 punto:</translation>
    </message>
    <message numerus="yes">
        <source>The KORVELT differs from the window in %n places:</source>
        <translation>
            <numerusform>El KORVELT difiere de la ventana en %n punto:</numerusform>
            <numerusform>El KORVELT difiere de la ventana en %n puntos:</numerusform>
        </translation>
    </message>
    <message>
        <source>Take the KORVELT&apos;s schedule</source>
        <extracomment>Button: the window takes the schedule read from the KORVELT</extracomment>
        <translation>Tomar la programación del KORVELT</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Click a line to go to its place in the window</source>
        <translation>Haga clic en una línea para ir a su lugar en la ventana</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Diferencias</translation>
    </message>
</context>
<context>
    <name>korvelt::CopyOutputsDialog</name>
    <message>
        <source>Copy Output</source>
        <translation>Copiar salida</translation>
    </message>
    <message>
        <source>Output %1</source>
        <comment>switched output number</comment>
        <extracomment>Check box of a switched output; %1 is its number</extracomment>
        <translation>Salida %1</translation>
    </message>
    <message>
        <source>The output copied</source>
        <translation>La salida copiada</translation>
    </message>
    <message>
        <source>All</source>
        <comment>outputs</comment>
        <extracomment>Button that ticks every output</extracomment>
        <translation>Todas</translation>
    </message>
    <message>
        <source>None</source>
        <comment>outputs</comment>
        <extracomment>Button that clears every output</extracomment>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>korvelt::DaylightSavingPage</name>
    <message>
        <source>Daylight Saving</source>
        <translation>Cambio de hora</translation>
    </message>
    <message>
        <source>&amp;Enable Daylight Saving</source>
        <extracomment>Check box; the letter after &quot;&amp;&quot; is pressed with Alt</extracomment>
        <translation>Ac&amp;tivar cambio de hora</translation>
    </message>
    <message>
        <source>Advance Clock</source>
        <extracomment>Group of the week in which the clock goes forward</extracomment>
        <translation>Adelantar reloj</translation>
    </message>
    <message>
        <source>Retard Clock</source>
        <extracomment>Group of the week in which the clock goes back</extracomment>
        <translation>Atrasar reloj</translation>
    </message>
    <message>
        <source>Change Daylight Saving</source>
        <extracomment>Undo step</extracomment>
        <translation>Modificar cambio de hora</translation>
    </message>
    <message>
        <source>Advance clock</source>
        <extracomment>Accessible name of the group of the week in which the clock goes forward</extracomment>
        <translation>Adelantar reloj</translation>
    </message>
    <message>
        <source>Retard clock</source>
        <extracomment>Accessible name of the group of the week in which the clock goes back</extracomment>
        <translation>Atrasar reloj</translation>
    </message>
    <message>
        <source>Advance clock month</source>
        <extracomment>Accessible name of the box of the month in which the clock goes forward</extracomment>
        <translation>Mes en que se adelanta el reloj</translation>
    </message>
    <message>
        <source>Retard clock month</source>
        <extracomment>Accessible name of the box of the month in which the clock goes back</extracomment>
        <translation>Mes en que se atrasa el reloj</translation>
    </message>
</context>
<context>
    <name>korvelt::DevicePresenter</name>
    <message>
        <source>A write to the KORVELT is under way. If you stop it now, the KORVELT holds part of the old and part of the new schedule. Stop and close?</source>
        <translation>Hay una escritura en curso en el KORVELT. Si la detiene ahora, el KORVELT contendrá parte de la programación antigua y parte de la nueva. ¿Detener y cerrar?</translation>
    </message>
    <message>
        <source>Nothing was written: the KORVELT cannot hold these values.</source>
        <translation>No se ha escrito nada: el KORVELT no admite estos valores.</translation>
    </message>
    <message>
        <source>Correct them and write again.</source>
        <translation>Corríjalos y vuelva a escribir.</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <extracomment>Status: a command was stopped and nothing on the KORVELT changed</extracomment>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Written, not verified (cancelled)</source>
        <extracomment>Status: checking what was written was stopped</extracomment>
        <translation>Escrito, sin verificar (cancelado)</translation>
    </message>
    <message>
        <source>Cancelled: the KORVELT holds part of the old and part of the new schedule. Write again.</source>
        <translation>Cancelado: el KORVELT contiene parte de la programación antigua y parte de la nueva. Vuelva a escribir.</translation>
    </message>
    <message>
        <source>%1, serial %2</source>
        <extracomment>The KORVELT that answered: %1 is its firmware version, %2 its serial number</extracomment>
        <translation>%1, n.º de serie %2</translation>
    </message>
    <message>
        <source>Vuradod Version:%1</source>
        <extracomment>Device log: %1 is the KORVELT&apos;s firmware version; &quot;Vuradod&quot; is the maker&apos;s own word</extracomment>
        <translation>Versión Vuradod:%1</translation>
    </message>
    <message>
        <source>Serial Number: %1</source>
        <extracomment>Device log: %1 is the KORVELT&apos;s serial number</extracomment>
        <translation>Número de serie: %1</translation>
    </message>
    <message>
        <source>Verified: the KORVELT holds this schedule</source>
        <extracomment>Status after a write that was read back</extracomment>
        <translation>Verificado: programación en el KORVELT</translation>
    </message>
    <message>
        <source>Written, not verified</source>
        <translation>Escrito, sin verificar</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <extracomment>Message after a write to the KORVELT</extracomment>
        <translation>Escritura completada</translation>
    </message>
    <message>
        <source>Read from KORVELT</source>
        <extracomment>Status after a read</extracomment>
        <translation>Leído de KORVELT</translation>
    </message>
    <message>
        <source>Read Complete</source>
        <translation>Lectura completada</translation>
    </message>
    <message>
        <source>Identical to the KORVELT</source>
        <extracomment>Status after a comparison</extracomment>
        <translation>Idéntico al KORVELT</translation>
    </message>
    <message>
        <source>1 difference from the KORVELT</source>
        <translation>1 diferencia con el KORVELT</translation>
    </message>
    <message numerus="yes">
        <source>%n differences from the KORVELT</source>
        <translation>
            <numerusform>%n diferencia con el KORVELT</numerusform>
            <numerusform>%n diferencias con el KORVELT</numerusform>
        </translation>
    </message>
    <message>
        <source>The KORVELT&apos;s schedule was taken</source>
        <extracomment>Status: the window took the schedule read from the KORVELT</extracomment>
        <translation>Se ha tomado la programación del KORVELT</translation>
    </message>
    <message>
        <source>KORVELT connected</source>
        <translation>KORVELT conectado</translation>
    </message>
    <message>
        <source>The KORVELT&apos;s clock holds no valid time</source>
        <translation>Reloj del KORVELT sin hora válida</translation>
    </message>
    <message>
        <source>PC %1: %2</source>
        <extracomment>Status after Read Time: %1 is the computer&apos;s time, %2 how far the KORVELT&apos;s clock is from it</extracomment>
        <translation>PC %1: %2</translation>
    </message>
    <message>
        <source>Cannot find KORVELT</source>
        <extracomment>%1 is the system&apos;s reason, %2 what to do about it</extracomment>
        <translation>No se encuentra el KORVELT</translation>
    </message>
    <message>
        <source>Cannot find KORVELT
A KORVELT was found but could not be opened (%1). %2</source>
        <translation>No se encuentra el KORVELT
Se ha encontrado un KORVELT, pero no se ha podido abrir (%1). %2</translation>
    </message>
    <message>
        <source>No KORVELT found</source>
        <translation>No se ha encontrado ningún KORVELT</translation>
    </message>
    <message>
        <source>Program Mode</source>
        <extracomment>The KORVELT is being set up at its own keys and takes no commands</extracomment>
        <translation>Modo de actualización</translation>
    </message>
    <message>
        <source>KORVELT is in Program Mode</source>
        <translation>El KORVELT está en modo de actualización</translation>
    </message>
    <message>
        <source>Not a KORVELT time controller</source>
        <translation>No es un programador horario KORVELT</translation>
    </message>
    <message>
        <source>Stopped: not a KORVELT time controller</source>
        <translation>Detenido: no es un KORVELT</translation>
    </message>
    <message>
        <source>Application is not a KORVELT Time Control</source>
        <translation>La aplicación no es un KORVELT Time Control</translation>
    </message>
    <message>
        <source>Not verified</source>
        <translation>No verificado</translation>
    </message>
    <message>
        <source>block %1 reads back as erased memory</source>
        <extracomment>%1 is the block&apos;s number</extracomment>
        <translation>el bloque %1 se lee como memoria borrada</translation>
    </message>
    <message>
        <source>block %1 reads back as values that are not times or dates</source>
        <extracomment>%1 is the block&apos;s number</extracomment>
        <translation>el bloque %1 se lee con valores que no son horas ni fechas</translation>
    </message>
    <message>
        <source>Read failed</source>
        <translation>Error de lectura</translation>
    </message>
    <message>
        <source>KORVELT sent invalid schedule data.
Block %1</source>
        <extracomment>%1 is the block&apos;s number</extracomment>
        <translation>El KORVELT ha enviado datos de programación no válidos.
Bloque %1</translation>
    </message>
    <message>
        <source>KORVELT not answering</source>
        <translation>El KORVELT no responde</translation>
    </message>
    <message>
        <source>Stopped: no answer</source>
        <translation>Detenido: sin respuesta</translation>
    </message>
    <message>
        <source>No KORVELT connected</source>
        <translation>Ningún KORVELT conectado</translation>
    </message>
    <message>
        <source>Stopped: unplugged</source>
        <translation>Detenido: desconectado</translation>
    </message>
    <message>
        <source>The schedule has changed since it was written to the KORVELT</source>
        <extracomment>Status: the window&apos;s schedule was edited, loaded or undone after it was written</extracomment>
        <translation>La programación ha cambiado desde que se escribió en el KORVELT</translation>
    </message>
    <message>
        <source>Stopped, no answer: the KORVELT holds part of the old and part of the new schedule. Write again.</source>
        <translation>Detenido, sin respuesta: el KORVELT contiene parte de la programación antigua y parte de la nueva. Vuelva a escribir.</translation>
    </message>
    <message>
        <source>Stopped, unplugged: the KORVELT holds part of the old and part of the new schedule. Write again.</source>
        <translation>Detenido, desconectado: el KORVELT contiene parte de la programación antigua y parte de la nueva. Vuelva a escribir.</translation>
    </message>
</context>
<context>
    <name>korvelt::HelpMenu</name>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Manual de usuario</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>System</source>
        <comment>the desktop&apos;s language</comment>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>The language changes when the program is started again.</source>
        <translation>El idioma cambia cuando se vuelve a iniciar el programa.</translation>
    </message>
</context>
<context>
    <name>korvelt::HelpWindow</name>
    <message>
        <source>Back</source>
        <extracomment>Button of the help window; keep it short</extracomment>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Type in the keyword to find:</source>
        <translation>Escriba la palabra clave que desea buscar:</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>KORVELT Time Control Help</source>
        <translation>Ayuda de KORVELT Time Control</translation>
    </message>
</context>
<context>
    <name>korvelt::HolidaysDialog</name>
    <message>
        <source>Period</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>Calendar year</source>
        <translation>Año natural</translation>
    </message>
    <message>
        <source>The next 12 months from today</source>
        <translation>Los próximos 12 meses desde hoy</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Add Country</source>
        <translation>Añadir país</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Load Rules…</source>
        <translation>Abrir reglas…</translation>
    </message>
    <message>
        <source>Save Rules…</source>
        <translation>Guardar reglas…</translation>
    </message>
    <message>
        <source>Own rule:</source>
        <translation>Regla propia:</translation>
    </message>
    <message>
        <source>Add Rule</source>
        <translation>Añadir regla</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Festivos</translation>
    </message>
    <message>
        <source>With fewer than %1 holidays the other special dates</source>
        <translation>Con menos de %1 festivos, las demás fechas especiales</translation>
    </message>
    <message>
        <source>keep their dates</source>
        <translation>conservan sus fechas</translation>
    </message>
    <message>
        <source>repeat the last holiday</source>
        <translation>repiten el último festivo</translation>
    </message>
    <message>
        <source>Fill Special Dates</source>
        <translation>Rellenar fechas especiales</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Holidays</source>
        <comment>window title</comment>
        <translation>Festivos</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>preset and its code</comment>
        <extracomment>A preset in the list: %1 is its country or region, %2 its short code</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Fixed date</source>
        <translation>Fecha fija</translation>
    </message>
    <message>
        <source>Days from Easter Sunday</source>
        <translation>Días desde el Domingo de Pascua</translation>
    </message>
    <message>
        <source>Weekday of a month</source>
        <translation>Día de la semana de un mes</translation>
    </message>
    <message>
        <source>Last weekday of a month</source>
        <translation>Último día de la semana de un mes</translation>
    </message>
    <message>
        <source>Stays on a weekend</source>
        <translation>Se queda en fin de semana</translation>
    </message>
    <message>
        <source>On a weekend, the next Monday</source>
        <translation>En fin de semana, el lunes siguiente</translation>
    </message>
    <message>
        <source>Saturday to Friday, Sunday to Monday</source>
        <translation>Sábado al viernes, domingo al lunes</translation>
    </message>
    <message>
        <source>Sunday to the Saturday before</source>
        <translation>Domingo al sábado anterior</translation>
    </message>
    <message>
        <source>Sunday to the next Monday</source>
        <translation>Domingo al lunes siguiente</translation>
    </message>
    <message>
        <source>On that date</source>
        <translation>En esa fecha</translation>
    </message>
    <message>
        <source>The weekday before it</source>
        <translation>El día de la semana anterior</translation>
    </message>
    <message>
        <source>The weekday after it</source>
        <translation>El día de la semana posterior</translation>
    </message>
    <message>
        <source>The weekday on or before it</source>
        <translation>El día de la semana en la fecha o antes</translation>
    </message>
    <message>
        <source>The weekday on or after it</source>
        <translation>El día de la semana en la fecha o después</translation>
    </message>
    <message>
        <source>any year</source>
        <translation>cualquier año</translation>
    </message>
    <message>
        <source>from </source>
        <extracomment>Prefix of the first-year box, before the year</extracomment>
        <translation>desde </translation>
    </message>
    <message>
        <source>until </source>
        <extracomment>Prefix of the last-year box, before the year</extracomment>
        <translation>hasta </translation>
    </message>
    <message>
        <source>every </source>
        <extracomment>Prefix of the every-how-many-years box, before the number</extracomment>
        <translation>cada </translation>
    </message>
    <message>
        <source> years</source>
        <extracomment>Suffix of the every-how-many-years box, after the number (2 or more)</extracomment>
        <translation> años</translation>
    </message>
    <message>
        <source>every year</source>
        <translation>todos los años</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>holiday name</comment>
        <extracomment>Placeholder of the own rule&apos;s name box</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Column headings of the holidays: the date, its weekday, the holiday&apos;s name, the special date&apos;s number</extracomment>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Day</source>
        <comment>weekday column</comment>
        <translation>Día</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Festivo</translation>
    </message>
    <message>
        <source>No.</source>
        <comment>special date number column</comment>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Rules</source>
        <comment>accessible name of the rule list</comment>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Remove rule</source>
        <translation>Quitar regla</translation>
    </message>
    <message>
        <source>Load rules</source>
        <translation>Abrir reglas</translation>
    </message>
    <message>
        <source>Save rules</source>
        <translation>Guardar reglas</translation>
    </message>
    <message>
        <source>Own rule&apos;s name</source>
        <translation>Nombre de la regla propia</translation>
    </message>
    <message>
        <source>Own rule&apos;s kind</source>
        <translation>Tipo de la regla propia</translation>
    </message>
    <message>
        <source>Own rule&apos;s day</source>
        <translation>Día de la regla propia</translation>
    </message>
    <message>
        <source>Own rule&apos;s weekday</source>
        <translation>Día de la semana de la regla propia</translation>
    </message>
    <message>
        <source>Own rule&apos;s month</source>
        <translation>Mes de la regla propia</translation>
    </message>
    <message>
        <source>Own rule on a weekend</source>
        <translation>Regla propia en fin de semana</translation>
    </message>
    <message>
        <source>Own rule on the date or a weekday before or after</source>
        <translation>Regla propia en la fecha o en un día de la semana anterior o posterior</translation>
    </message>
    <message>
        <source>Weekday before or after</source>
        <translation>Día de la semana anterior o posterior</translation>
    </message>
    <message>
        <source>Own rule&apos;s first year</source>
        <translation>Primer año de la regla propia</translation>
    </message>
    <message>
        <source>Own rule&apos;s last year</source>
        <translation>Último año de la regla propia</translation>
    </message>
    <message>
        <source>Own rule every how many years</source>
        <translation>Cada cuántos años vale la regla propia</translation>
    </message>
    <message>
        <source>Holidays of the period</source>
        <translation>Festivos del periodo</translation>
    </message>
    <message>
        <source>Other special dates keep their dates</source>
        <translation>Las demás fechas especiales conservan sus fechas</translation>
    </message>
    <message>
        <source>Other special dates repeat the last holiday</source>
        <translation>Las demás fechas especiales repiten el último festivo</translation>
    </message>
    <message numerus="yes">
        <source>Added the %n rules of %1.</source>
        <extracomment>%n is how many rules (always several), %1 the country or region</extracomment>
        <translation>
            <numerusform>Se ha añadido %n regla de %1.</numerusform>
            <numerusform>Se han añadido las %n reglas de %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n rules of %1 are in the list already: none added again.</source>
        <extracomment>%n is how many rules (always several), %1 the country or region</extracomment>
        <translation>
            <numerusform>La %n regla de %1 ya está en la lista: no se ha vuelto a añadir.</numerusform>
            <numerusform>Las %n reglas de %1 ya están en la lista: no se ha vuelto a añadir ninguna.</numerusform>
        </translation>
    </message>
    <message>
        <source>Added 1 rule of %1; 1 is in the list already.</source>
        <extracomment>%1 is the country or region</extracomment>
        <translation>Se ha añadido 1 regla de %1; 1 ya estaba en la lista.</translation>
    </message>
    <message numerus="yes">
        <source>Added 1 rule of %1; %n are in the list already.</source>
        <extracomment>%1 is the country or region, %n how many rules were in the list already</extracomment>
        <translation>
            <numerusform>Se ha añadido 1 regla de %1; %n ya estaba en la lista.</numerusform>
            <numerusform>Se ha añadido 1 regla de %1; %n ya estaban en la lista.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %n rules of %1; 1 is in the list already.</source>
        <extracomment>%n is how many rules were added, %1 the country or region</extracomment>
        <translation>
            <numerusform>Se ha añadido %n regla de %1; 1 ya estaba en la lista.</numerusform>
            <numerusform>Se han añadido %n reglas de %1; 1 ya estaba en la lista.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added %n rules of %1; %2 are in the list already.</source>
        <extracomment>%n is how many rules were added, %1 the country or region, %2 how many were in the list already</extracomment>
        <translation>
            <numerusform>Se ha añadido %n regla de %1; %2 ya estaban en la lista.</numerusform>
            <numerusform>Se han añadido %n reglas de %1; %2 ya estaban en la lista.</numerusform>
        </translation>
    </message>
    <message>
        <source>days </source>
        <extracomment>Prefix of the number box of a rule counted from Easter, before the number of days</extracomment>
        <translation>días </translation>
    </message>
    <message>
        <source>no. </source>
        <comment>which weekday of the month</comment>
        <extracomment>Prefix of the number box of a rule&apos;s nth weekday, before the number</extracomment>
        <translation>n.º </translation>
    </message>
    <message>
        <source>Which weekday of the month</source>
        <translation>Qué día de la semana del mes</translation>
    </message>
    <message>
        <source>Give the rule a name.</source>
        <translation>Dé un nombre a la regla.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in the list already: not added again.</source>
        <extracomment>%1 is the rule in words</extracomment>
        <translation>«%1» ya está en la lista: no se ha vuelto a añadir.</translation>
    </message>
    <message>
        <source>Added &quot;%1&quot;.</source>
        <extracomment>%1 is the rule in words</extracomment>
        <translation>Se ha añadido «%1».</translation>
    </message>
    <message>
        <source>Removed 1 rule.</source>
        <translation>Se ha quitado 1 regla.</translation>
    </message>
    <message numerus="yes">
        <source>Removed %n rules.</source>
        <translation>
            <numerusform>Se ha quitado %n regla.</numerusform>
            <numerusform>Se han quitado %n reglas.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 was not loaded.
%2</source>
        <extracomment>%1 is the file&apos;s name, %2 why it was not loaded</extracomment>
        <translation>No se ha abierto %1.
%2</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <comment>rule and its note</comment>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>left out</source>
        <comment>holiday</comment>
        <translation>omitido</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>date and holiday</comment>
        <extracomment>A holiday left out: %1 is its date, %2 its name</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>, </source>
        <comment>list of holidays</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>No holidays in this period: the special dates stay as they are.</source>
        <translation>No hay festivos en este periodo: las fechas especiales se quedan como están.</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more, marked in the list</source>
        <extracomment>%1 names the first holidays left out; %n how many more were left out</extracomment>
        <translation>
            <numerusform>%1 y %n más, marcado en la lista</numerusform>
            <numerusform>%1 y %n más, marcados en la lista</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n holidays: the KORVELT holds %2, the first %2 are used. Left out: %1.</source>
        <extracomment>%n is how many holidays there are (more than %2), %1 those left out, %2 how many the KORVELT holds (16)</extracomment>
        <translation>
            <numerusform>%n festivo: el KORVELT admite %2, se usan los %2 primeros. Omitidos: %1.</numerusform>
            <numerusform>%n festivos: el KORVELT admite %2, se usan los %2 primeros. Omitidos: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 holidays fill special dates 1 to 1.</source>
        <translation>1 festivo rellena la fecha especial 1.</translation>
    </message>
    <message numerus="yes">
        <source>%n holidays fill special dates 1 to %n.</source>
        <extracomment>%n is how many holidays there are (2 to 16)</extracomment>
        <translation>
            <numerusform>%n festivo rellena las fechas especiales 1 a %n.</numerusform>
            <numerusform>%n festivos rellenan las fechas especiales 1 a %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Left out: %1</source>
        <extracomment>%1 lists the holidays left out</extracomment>
        <translation>Omitidos: %1</translation>
    </message>
    <message>
        <source>1 rule added replaces the same rule of %1.</source>
        <extracomment>%1 is the country whose rule a region&apos;s rule replaced, ticked or not as the region has it</extracomment>
        <translation>1 regla añadida sustituye a la misma regla de %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n rules added replace the same rules of %1.</source>
        <translation>
            <numerusform>%n regla añadida sustituye a la misma regla de %1.</numerusform>
            <numerusform>%n reglas añadidas sustituyen a las mismas reglas de %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 holiday fills special date 1; special dates %1 to %2 repeat it.</source>
        <extracomment>The special dates after the one holiday repeat it; %1 is the first of them, %2 the last</extracomment>
        <translation>1 festivo rellena la fecha especial 1; las fechas especiales %1 a %2 lo repiten.</translation>
    </message>
    <message numerus="yes">
        <source>%n holidays fill special dates 1 to %n; special date %1 repeats the last one.</source>
        <extracomment>%n is how many holidays there are (one fewer than the special dates); %1 is the last special date, which repeats the last holiday</extracomment>
        <translation>
            <numerusform>%n festivo rellena las fechas especiales 1 a %n; la fecha especial %1 repite el último.</numerusform>
            <numerusform>%n festivos rellenan las fechas especiales 1 a %n; la fecha especial %1 repite el último.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n holidays fill special dates 1 to %n; special dates %1 to %2 repeat the last one.</source>
        <extracomment>%n is how many holidays there are (2 to 14); %1 and %2 are the first and the last special date that repeat the last holiday</extracomment>
        <translation>
            <numerusform>%n festivo rellena las fechas especiales 1 a %n; las fechas especiales %1 a %2 repiten el último.</numerusform>
            <numerusform>%n festivos rellenan las fechas especiales 1 a %n; las fechas especiales %1 a %2 repiten el último.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korvelt::MainActions</name>
    <message>
        <source>&amp;Load File…</source>
        <translation>&amp;Abrir archivo…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Guardar &amp;como…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Opens the user guide</extracomment>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Write To KORVELT</source>
        <translation>&amp;Escribir en KORVELT</translation>
    </message>
    <message>
        <source>&amp;Read From KORVELT</source>
        <translation>&amp;Leer de KORVELT</translation>
    </message>
    <message>
        <source>&amp;Compare with KORVELT</source>
        <translation>&amp;Comparar con KORVELT</translation>
    </message>
    <message>
        <source>Set &amp;Time</source>
        <extracomment>Sets the KORVELT&apos;s clock</extracomment>
        <translation>Ajustar &amp;hora</translation>
    </message>
    <message>
        <source>Read T&amp;ime</source>
        <extracomment>Reads the KORVELT&apos;s clock</extracomment>
        <translation>Lee&amp;r hora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Stops the command running on the KORVELT</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>Exportar P&amp;DF…</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>%1 is the step to undo, for example &quot;Edit slot 3 of output 2&quot;</extracomment>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>%1 is the step to redo, for example &quot;Edit slot 3 of output 2&quot;</extracomment>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer %1</translation>
    </message>
    <message>
        <source>&amp;Load File</source>
        <extracomment>Button of Load File…; keep it short</extracomment>
        <translation>&amp;Abrir archivo</translation>
    </message>
    <message>
        <source>&amp;Save File</source>
        <extracomment>Button of Save; keep it short</extracomment>
        <translation>&amp;Guardar archivo</translation>
    </message>
</context>
<context>
    <name>korvelt::SchedulePages</name>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Times</source>
        <extracomment>Tab of the weekly slots</extracomment>
        <translation>Horario</translation>
    </message>
    <message>
        <source>Special Times</source>
        <extracomment>Tab of the slots of the special dates</extracomment>
        <translation>Horario especial</translation>
    </message>
    <message>
        <source>Daylight Saving</source>
        <translation>Cambio de hora</translation>
    </message>
    <message>
        <source>Week</source>
        <extracomment>Tab of the picture of the week and the schedule check</extracomment>
        <translation>Semana</translation>
    </message>
</context>
<context>
    <name>korvelt::SlotGridPage</name>
    <message>
        <source>Output</source>
        <comment>switched output number</comment>
        <extracomment>Label of the box that chooses the output the grid shows</extracomment>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>slots</comment>
        <extracomment>Grid&apos;s menu: copies the selected slots</extracomment>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <comment>slots</comment>
        <extracomment>Grid&apos;s menu: pastes the slots copied</extracomment>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Copy output %1 to…</source>
        <extracomment>Grid&apos;s menu; %1 is the output&apos;s number</extracomment>
        <translation>Copiar salida %1 a…</translation>
    </message>
    <message>
        <source>Slot</source>
        <comment>slot number</comment>
        <extracomment>Heading of the column of slot numbers</extracomment>
        <translation>Franja</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>slot start time</comment>
        <extracomment>Heading of the column of the times a slot switches on</extracomment>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <comment>slot end time</comment>
        <extracomment>Heading of the column of the times a slot switches off</extracomment>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Edit slot %1 of output %2</source>
        <extracomment>Undo step; %1 is the slot&apos;s number, %2 the output&apos;s</extracomment>
        <translation>Editar franja %1 de la salida %2</translation>
    </message>
    <message>
        <source>Edit special slot %1 of output %2</source>
        <translation>Editar franja especial %1 de la salida %2</translation>
    </message>
    <message>
        <source>Paste 1 slot into output %1</source>
        <extracomment>Undo step; %1 is the output&apos;s number</extracomment>
        <translation>Pegar 1 franja en la salida %1</translation>
    </message>
    <message numerus="yes">
        <source>Paste %n slots into output %1</source>
        <extracomment>Undo step; %n is how many slots, %1 the output&apos;s number</extracomment>
        <translation>
            <numerusform>Pegar %n franja en la salida %1</numerusform>
            <numerusform>Pegar %n franjas en la salida %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Paste 1 special slot into output %1</source>
        <extracomment>Undo step; %1 is the output&apos;s number</extracomment>
        <translation>Pegar 1 franja especial en la salida %1</translation>
    </message>
    <message numerus="yes">
        <source>Paste %n special slots into output %1</source>
        <extracomment>Undo step; %n is how many slots, %1 the output&apos;s number</extracomment>
        <translation>
            <numerusform>Pegar %n franja especial en la salida %1</numerusform>
            <numerusform>Pegar %n franjas especiales en la salida %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Clear 1 slot of output %1</source>
        <extracomment>Undo step; %1 is the output&apos;s number</extracomment>
        <translation>Borrar 1 franja de la salida %1</translation>
    </message>
    <message numerus="yes">
        <source>Clear %n slots of output %1</source>
        <extracomment>Undo step; %n is how many slots, %1 the output&apos;s number</extracomment>
        <translation>
            <numerusform>Borrar %n franja de la salida %1</numerusform>
            <numerusform>Borrar %n franjas de la salida %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Clear 1 special slot of output %1</source>
        <extracomment>Undo step; %1 is the output&apos;s number</extracomment>
        <translation>Borrar 1 franja especial de la salida %1</translation>
    </message>
    <message numerus="yes">
        <source>Clear %n special slots of output %1</source>
        <extracomment>Undo step; %n is how many slots, %1 the output&apos;s number</extracomment>
        <translation>
            <numerusform>Borrar %n franja especial de la salida %1</numerusform>
            <numerusform>Borrar %n franjas especiales de la salida %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy the normal times of output %1 to:</source>
        <extracomment>Copy Output dialog, above the outputs to tick; %1 is the output copied</extracomment>
        <translation>Copiar el horario normal de la salida %1 a:</translation>
    </message>
    <message>
        <source>Copy the special times of output %1 to:</source>
        <translation>Copiar el horario especial de la salida %1 a:</translation>
    </message>
    <message>
        <source>Copy the normal times of output %1 to output %2</source>
        <extracomment>Undo step; %1 is the output copied, %2 the one copied to</extracomment>
        <translation>Copiar el horario normal de la salida %1 a la salida %2</translation>
    </message>
    <message numerus="yes">
        <source>Copy the normal times of output %1 to %n outputs</source>
        <extracomment>Undo step; %1 is the output copied, %n how many outputs it was copied to</extracomment>
        <translation>
            <numerusform>Copiar el horario normal de la salida %1 a %n salida</numerusform>
            <numerusform>Copiar el horario normal de la salida %1 a %n salidas</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy the special times of output %1 to output %2</source>
        <extracomment>Undo step; %1 is the output copied, %2 the one copied to</extracomment>
        <translation>Copiar el horario especial de la salida %1 a la salida %2</translation>
    </message>
    <message numerus="yes">
        <source>Copy the special times of output %1 to %n outputs</source>
        <extracomment>Undo step; %1 is the output copied, %n how many outputs it was copied to</extracomment>
        <translation>
            <numerusform>Copiar el horario especial de la salida %1 a %n salida</numerusform>
            <numerusform>Copiar el horario especial de la salida %1 a %n salidas</numerusform>
        </translation>
    </message>
    <message>
        <source>Normal times, output %1</source>
        <extracomment>Accessible name of the grid; %1 is the output&apos;s number</extracomment>
        <translation>Horario normal, salida %1</translation>
    </message>
    <message>
        <source>Special times, output %1</source>
        <translation>Horario especial, salida %1</translation>
    </message>
</context>
<context>
    <name>korvelt::SpecialDateEdit</name>
    <message>
        <source>%1, past</source>
        <extracomment>Beside a special date in the past: %1 is its short weekday name</extracomment>
        <translation>%1, pasada</translation>
    </message>
    <message>
        <source>%1 (in the past)</source>
        <translation>%1 (pasada)</translation>
    </message>
    <message>
        <source>Special date %1: %2 is outside the years %3 to %4. It keeps %5.</source>
        <extracomment>%1 is the special date&apos;s number, %2 the text typed, %3 and %4 the first and last year, %5 the date it keeps</extracomment>
        <translation>Fecha especial %1: %2 está fuera de los años %3 a %4. Conserva %5.</translation>
    </message>
    <message>
        <source>Special date %1: %2 is not a date. It keeps %3.</source>
        <extracomment>%1 is the special date&apos;s number, %2 the text typed, %3 the date it keeps</extracomment>
        <translation>Fecha especial %1: %2 no es una fecha. Conserva %3.</translation>
    </message>
</context>
<context>
    <name>korvelt::SpecialDatesBox</name>
    <message>
        <source>Special Dates</source>
        <translation>Fechas especiales</translation>
    </message>
    <message>
        <source>Special date %1</source>
        <extracomment>%1 is the special date&apos;s number, 1 to 16</extracomment>
        <translation>Fecha especial %1</translation>
    </message>
    <message>
        <source>Holidays…</source>
        <extracomment>Button that opens the Holidays dialog; keep it short</extracomment>
        <translation>Festivos…</translation>
    </message>
    <message>
        <source>Holidays</source>
        <translation>Festivos</translation>
    </message>
    <message>
        <source>Fill the special dates with the holidays of a year</source>
        <translation>Rellenar las fechas especiales con los festivos de un año</translation>
    </message>
    <message>
        <source>(not set)</source>
        <extracomment>A special date&apos;s picker that holds no date</extracomment>
        <translation>(sin definir)</translation>
    </message>
    <message>
        <source>Change special date %1</source>
        <extracomment>Undo step; %1 is the special date&apos;s number, 1 to 16</extracomment>
        <translation>Cambiar fecha especial %1</translation>
    </message>
    <message>
        <source>Fill Special Dates</source>
        <extracomment>Undo step</extracomment>
        <translation>Rellenar fechas especiales</translation>
    </message>
</context>
<context>
    <name>korvelt::SpecialTimesPage</name>
    <message>
        <source>Special Times</source>
        <extracomment>Title of the grid of the slots of the special dates</extracomment>
        <translation>Horario especial</translation>
    </message>
    <message>
        <source>Special times output</source>
        <extracomment>The box that chooses the output the grid shows</extracomment>
        <translation>Salida del horario especial</translation>
    </message>
</context>
<context>
    <name>korvelt::TMainForm</name>
    <message>
        <source>KORVELT Time Control Vesion: %1</source>
        <extracomment>The window&apos;s caption; &quot;Vesion&quot; is spelt so on purpose in English. %1 is the version</extracomment>
        <translation>KORVELT Time Control Versión: %1</translation>
    </message>
    <message>
        <source>Edit</source>
        <extracomment>Undo step of an edit committed when a command starts</extracomment>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Read From KORVELT</source>
        <extracomment>Undo step: the schedule was read from the KORVELT</extracomment>
        <translation>Leer de KORVELT</translation>
    </message>
    <message>
        <source>Take the KORVELT&apos;s schedule</source>
        <extracomment>Undo step: the window took the schedule the comparison read</extracomment>
        <translation>Tomar la programación del KORVELT</translation>
    </message>
    <message>
        <source>Replace the schedule</source>
        <translation>Sustituir la programación</translation>
    </message>
</context>
<context>
    <name>korvelt::TimeGrid</name>
    <message>
        <source>Columns</source>
        <comment>accessible name of the grid&apos;s column headings</comment>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>Slots</source>
        <comment>accessible name of the grid&apos;s slot numbers</comment>
        <translation>Franjas</translation>
    </message>
    <message>
        <source>Slot</source>
        <comment>accessible name of the grid&apos;s corner</comment>
        <translation>Franja</translation>
    </message>
</context>
<context>
    <name>korvelt::TimeGridDelegate</name>
    <message>
        <source>Time</source>
        <comment>accessible name of a time cell&apos;s editor</comment>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Day</source>
        <comment>accessible name of a day cell&apos;s editor</comment>
        <translation>Día</translation>
    </message>
</context>
<context>
    <name>korvelt::TimesPage</name>
    <message>
        <source>Set Days</source>
        <extracomment>Grid&apos;s menu: sets the days of the slot</extracomment>
        <translation>Fijar días</translation>
    </message>
    <message>
        <source>All</source>
        <comment>days</comment>
        <extracomment>Set Days: every day on</extracomment>
        <translation>Todos</translation>
    </message>
    <message>
        <source>None</source>
        <comment>days</comment>
        <extracomment>Set Days: every day off</extracomment>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <extracomment>Set Days: Monday to Friday on</extracomment>
        <translation>Laborables</translation>
    </message>
    <message>
        <source>Weekends</source>
        <extracomment>Set Days: Saturday and Sunday on</extracomment>
        <translation>Fin de semana</translation>
    </message>
    <message>
        <source>Normal Times</source>
        <extracomment>Title of the grid of the weekly slots</extracomment>
        <translation>Horario normal</translation>
    </message>
    <message>
        <source>Normal times output</source>
        <extracomment>The box that chooses the output the grid shows</extracomment>
        <translation>Salida del horario normal</translation>
    </message>
    <message>
        <source>Set Days of slot %1 of output %2</source>
        <extracomment>Undo step; %1 is the slot&apos;s number, %2 the output&apos;s</extracomment>
        <translation>Fijar días de la franja %1 de la salida %2</translation>
    </message>
</context>
<context>
    <name>korvelt::WeekPage</name>
    <message>
        <source>Normal week</source>
        <extracomment>Picks the picture of the week of the normal times</extracomment>
        <translation>Semana normal</translation>
    </message>
    <message>
        <source>Special date %1</source>
        <extracomment>Picks the picture of a special date; %1 is its number, 1 to 16</extracomment>
        <translation>Fecha especial %1</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Export P&amp;DF…</source>
        <translation>Exportar P&amp;DF…</translation>
    </message>
    <message>
        <source>A report of the whole schedule, in a preview to print from (Ctrl+P)</source>
        <translation>Un informe de toda la programación, en una vista previa desde la que imprimir (Ctrl+P)</translation>
    </message>
    <message>
        <source>The same report saved as a PDF file</source>
        <translation>El mismo informe guardado como archivo PDF</translation>
    </message>
    <message>
        <source>Week or special date</source>
        <translation>Semana o fecha especial</translation>
    </message>
    <message>
        <source>Schedule check</source>
        <translation>Comprobación de la programación</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>Special date %1 (%2)</source>
        <translation>Fecha especial %1 (%2)</translation>
    </message>
    <message>
        <source>Mistake: %1</source>
        <extracomment>A finding of the schedule check that is likely wrong; %1 is the finding</extracomment>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Nota: %1</translation>
    </message>
    <message>
        <source>The schedule check found nothing.</source>
        <translation>La comprobación de la programación no ha encontrado nada.</translation>
    </message>
    <message>
        <source>No mistakes</source>
        <extracomment>Count of the schedule check in the status area</extracomment>
        <translation>Sin errores</translation>
    </message>
    <message>
        <source>No mistakes, %1</source>
        <extracomment>Count of the schedule check in the status area; %1 is the count of notes (&quot;2 notes&quot;)</extracomment>
        <translation>Sin errores, %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>mistakes, notes</comment>
        <extracomment>Count of the schedule check in the status area: %1 the mistakes (&quot;2 mistakes&quot;), %2 the notes (&quot;1 note&quot;)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>The schedule has 1 possible mistake (first: %1). Write anyway?</source>
        <extracomment>Question before a write; %1 is the first mistake found</extracomment>
        <translation>La programación tiene 1 posible error (%1). ¿Escribir de todos modos?</translation>
    </message>
    <message numerus="yes">
        <source>The schedule has %n possible mistakes (first: %1). Write anyway?</source>
        <extracomment>Question before a write; %n is how many mistakes, %1 the first of them</extracomment>
        <translation>
            <numerusform>La programación tiene %n posible error (el primero: %1). ¿Escribir de todos modos?</numerusform>
            <numerusform>La programación tiene %n posibles errores (el primero: %1). ¿Escribir de todos modos?</numerusform>
        </translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Report saved as %1</source>
        <extracomment>Status; %1 is the PDF file&apos;s name</extracomment>
        <translation>Informe guardado como %1</translation>
    </message>
    <message>
        <source>The report could not be saved as &quot;%1&quot;.</source>
        <extracomment>%1 is the PDF file&apos;s path</extracomment>
        <translation>No se ha podido guardar el informe como «%1».</translation>
    </message>
</context>
<context>
    <name>korvelt::WeekView</name>
    <message>
        <source>Week</source>
        <extracomment>The picture of the week</extracomment>
        <translation>Semana</translation>
    </message>
    <message>
        <source>The times each output is on, one row for each output.</source>
        <translation>Las horas en que está conectada cada salida, una fila por salida.</translation>
    </message>
    <message>
        <source>Output %1</source>
        <comment>switched output number</comment>
        <extracomment>A row of the week&apos;s picture; %1 is the output&apos;s number</extracomment>
        <translation>Salida %1</translation>
    </message>
</context>
<context>
    <name>korveltctl</name>
    <message>
        <source>Usage: korveltctl [--demo [N]] COMMAND [ARGUMENTS]
Programs KORVELT time controllers from scripts.

Commands:
</source>
        <translation>Uso: korveltctl [--demo [N]] COMMAND [ARGUMENTS]
Programa programadores horarios KORVELT desde scripts.

Órdenes:
</translation>
    </message>
    <message>
        <source>
Options: --demo [N] uses N simulated KORVELTs (1 unless N), serial numbers 1 to N;
-h or --help and --version, also after a command; -- ends the options.
FILE - is standard input. With several KORVELTs a summary line ends the run,
&quot;5 of 8 written and verified; 3 failed&quot;; --quiet prints only errors (and
the differences verify finds). --dry-run (write, clock set, holidays -o) says what
would be done to which KORVELT or file, asking the KORVELTs only who they are.
--json prints one JSON document of the result (docs/korveltctl-json.md).
Exit status: 0 done, 1 a check or verify found a difference, 2 usage error,
3 no KORVELT, one in program mode or not a KORVELT, 4 file error,
5 the KORVELT stopped answering or was unplugged, 6 another program is
talking to the KORVELT (busy), 130 interrupted (Ctrl+C),
143 terminated (SIGTERM, SIGHUP).
See korveltctl(1).
</source>
        <translation>
Opciones: --demo [N] usa N KORVELT simulados (1 sin N), números de serie 1 a N;
-h o --help y --version, también tras una orden; -- termina las opciones.
FILE - es la entrada estándar. Con varios KORVELT, una línea de resumen cierra la
ejecución, «5 de 8 escritos y verificados; 3 fallidos»; --quiet muestra solo los
errores (y las diferencias que encuentra verify). --dry-run (write, clock set,
holidays -o) indica qué se haría en qué KORVELT o archivo, preguntando a los
KORVELT solo quiénes son.
--json muestra un documento JSON del resultado (docs/korveltctl-json.md).
Estado de salida: 0 hecho, 1 check o verify encontró una diferencia, 2 error de
uso, 3 ningún KORVELT, uno en modo de actualización o que no es un KORVELT,
4 error de archivo, 5 el KORVELT dejó de responder o se desconectó, 6 otro
programa está comunicando con el KORVELT (ocupado), 130 interrumpido (Ctrl+C),
143 terminado (SIGTERM, SIGHUP).
Véase korveltctl(1).
</translation>
    </message>
    <message>
        <source>Usage: korveltctl %1</source>
        <extracomment>%1 is the command&apos;s synopsis and what it does</extracomment>
        <translation>Uso: korveltctl %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>  Checks the schedule in FILE and prints what it finds; exit status 1
  when it finds a likely mistake.</source>
        <translation>  Comprueba la programación de FILE y muestra lo que encuentra; estado
  de salida 1 si encuentra un posible error.</translation>
    </message>
    <message>
        <source>  Reads the KORVELT&apos;s clock, or sets it to this computer&apos;s time (--pc,
  the default) or to the time given.</source>
        <translation>  Lee el reloj del KORVELT, o lo ajusta a la hora de este ordenador
  (--pc, por defecto) o a la hora indicada.</translation>
    </message>
    <message>
        <source>clock set: this computer&apos;s time (the default)</source>
        <translation>clock set: la hora de este ordenador (por defecto)</translation>
    </message>
    <message>
        <source>clock set: the time given</source>
        <translation>clock set: la hora indicada</translation>
    </message>
    <message>
        <source>clock read or clock set</source>
        <translation>clock read o clock set</translation>
    </message>
    <message>
        <source>--pc, --at and --dry-run are for clock set</source>
        <translation>--pc, --at y --dry-run son para clock set</translation>
    </message>
    <message>
        <source>%1 of %2 clocks read</source>
        <translation>%1 de %2 relojes leídos</translation>
    </message>
    <message>
        <source>--pc or --at, not both</source>
        <translation>--pc o --at, no ambos</translation>
    </message>
    <message>
        <source>--at &quot;YYYY-MM-DD HH:MM:SS&quot;, in the years %1 to %2</source>
        <translation>--at «YYYY-MM-DD HH:MM:SS», en los años %1 a %2</translation>
    </message>
    <message>
        <source>would set the clock to %1</source>
        <translation>pondría el reloj en %1</translation>
    </message>
    <message>
        <source>%1 of %2 clocks would be set</source>
        <translation>se ajustarían %1 de %2 relojes</translation>
    </message>
    <message>
        <source>%1 of %2 clocks set</source>
        <translation>%1 de %2 relojes ajustados</translation>
    </message>
    <message>
        <source>the KORVELT with that serial number or at that path; again for more</source>
        <translation>el KORVELT con ese número de serie o en esa ruta; repítase para más</translation>
    </message>
    <message>
        <source>every KORVELT attached, at once</source>
        <translation>todos los KORVELT conectados, a la vez</translation>
    </message>
    <message>
        <source>one JSON document of the result on standard output</source>
        <translation>un documento JSON del resultado en la salida estándar</translation>
    </message>
    <message>
        <source>prints only errors</source>
        <translation>muestra solo los errores</translation>
    </message>
    <message>
        <source>says what would be done, and does nothing</source>
        <translation>indica lo que se haría, sin hacer nada</translation>
    </message>
    <message>
        <source>  Writes the schedule of a data file as JSON (the default) or CSV, to
  OUT or to standard output.</source>
        <translation>  Escribe la programación de un archivo de datos como JSON (por defecto)
  o CSV, en OUT o en la salida estándar.</translation>
    </message>
    <message>
        <source>JSON (the default) or CSV</source>
        <translation>JSON (por defecto) o CSV</translation>
    </message>
    <message>
        <source>the file made (- or none: standard output)</source>
        <translation>el archivo creado (- o ninguno: salida estándar)</translation>
    </message>
    <message>
        <source>--format is json or csv</source>
        <translation>--format es json o csv</translation>
    </message>
    <message>
        <source>  Prints the usage of COMMAND and the options it takes, or the tool&apos;s usage.</source>
        <translation>  Muestra el uso de COMMAND y las opciones que admite, o el uso de la herramienta.</translation>
    </message>
    <message>
        <source>help takes one command</source>
        <translation>help admite una sola orden</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>orden desconocida %1</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last of a list of choices: %1 is the others, joined by commas</extracomment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>the public holidays of a country or region</source>
        <translation>los festivos de un país o una región</translation>
    </message>
    <message>
        <source>adds the rules of a file the Holidays dialog saved</source>
        <translation>añade las reglas de un archivo guardado por el cuadro Festivos</translation>
    </message>
    <message>
        <source>the year (this year unless given)</source>
        <translation>el año (el actual si no se indica)</translation>
    </message>
    <message>
        <source>-o: the schedule whose special dates are filled</source>
        <translation>-o: la programación cuyas fechas especiales se rellenan</translation>
    </message>
    <message>
        <source>writes the schedule with the holidays as its special dates (- : standard output)</source>
        <translation>escribe la programación con los festivos como fechas especiales (- : salida estándar)</translation>
    </message>
    <message>
        <source>the list&apos;s form</source>
        <translation>el formato de la lista</translation>
    </message>
    <message>
        <source>--preset CODE or --rules FILE is needed</source>
        <translation>hace falta --preset CODE o --rules FILE</translation>
    </message>
    <message>
        <source>--preset is %1</source>
        <translation>--preset es %1</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: no se puede leer: %2</translation>
    </message>
    <message>
        <source>--json or --format %1, not both</source>
        <translation>--json o --format %1, no ambos</translation>
    </message>
    <message>
        <source>--format is text, csv or json</source>
        <translation>--format es text, csv o json</translation>
    </message>
    <message>
        <source>--format and --json are for the list of holidays, not for -o</source>
        <translation>--format y --json son para la lista de festivos, no para -o</translation>
    </message>
    <message>
        <source>--year is a year from %1 to %2</source>
        <translation>--year es un año de %1 a %2</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1: no se puede escribir: %2</translation>
    </message>
    <message>
        <source>%1: special dates 1 to %2 would hold the holidays of %3 (nothing written)</source>
        <translation>%1: las fechas especiales 1 a %2 tendrían los festivos de %3 (no se escribe nada)</translation>
    </message>
    <message>
        <source>%1: special dates 1 to %2 hold the holidays of %3</source>
        <translation>%1: las fechas especiales 1 a %2 tienen los festivos de %3</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>salida estándar</translation>
    </message>
    <message>
        <source>left out: %1</source>
        <extracomment>%1 is a holiday that found no special date: &quot;2027-12-26 Sun St Stephen&apos;s Day&quot;</extracomment>
        <translation>omitido: %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argumento inesperado %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The preset and the rule file the holidays come from</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The holidays&apos; source and year: &quot;Germany 2027&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>--from, --repeat-last and --dry-run go with -o</source>
        <translation>--from, --repeat-last y --dry-run van con -o</translation>
    </message>
    <message>
        <source>  Makes a data file of a schedule in JSON (-o - : standard output).</source>
        <translation>  Crea un archivo de datos a partir de una programación en JSON
  (-o - : salida estándar).</translation>
    </message>
    <message>
        <source>the data file made (- : standard output)</source>
        <translation>el archivo de datos creado (- : salida estándar)</translation>
    </message>
    <message>
        <source>-o OUT.dat is needed</source>
        <translation>hace falta -o OUT.dat</translation>
    </message>
    <message>
        <source>import makes a data file, not %1; export makes JSON</source>
        <translation>import crea un archivo de datos, no %1; export crea JSON</translation>
    </message>
    <message>
        <source>  Lists every KORVELT attached: path, serial number, version text,
  and &quot;program mode&quot; where it is in program mode.</source>
        <translation>  Lista cada KORVELT conectado: ruta, número de serie, texto de versión,
  y «modo de actualización» si está en modo de actualización.</translation>
    </message>
    <message>
        <source>no KORVELT is attached</source>
        <translation>no hay ningún KORVELT conectado</translation>
    </message>
    <message>
        <source>ready</source>
        <extracomment>A KORVELT that answered who it is, in the list of those attached</extracomment>
        <translation>listo</translation>
    </message>
    <message>
        <source>  Reads the KORVELT&apos;s schedule into OUT: JSON when OUT ends in .json
  or with --format json, else a data file (- : standard output).
  Several KORVELTs are read into the folder DIR, one file each named
  by its serial number: 1042.dat, or 1042.json with --format json.</source>
        <translation>  Lee la programación del KORVELT en OUT: JSON si OUT termina en .json
  o con --format json; si no, un archivo de datos (- : salida estándar).
  Varios KORVELT se leen en la carpeta DIR, un archivo cada uno con su
  número de serie como nombre: 1042.dat, o 1042.json con --format json.</translation>
    </message>
    <message>
        <source>the file&apos;s form (by default, told by OUT&apos;s ending)</source>
        <translation>el formato del archivo (por defecto, según la extensión de OUT)</translation>
    </message>
    <message>
        <source>%1 of %2 read</source>
        <translation>%1 de %2 leídos</translation>
    </message>
    <message>
        <source>several KORVELTs are read into a folder, not into -</source>
        <translation>varios KORVELT se leen en una carpeta, no en -</translation>
    </message>
    <message>
        <source>not saved: another KORVELT read has serial number %1 too; read each by its path</source>
        <translation>no guardado: otro KORVELT leído tiene también el número de serie %1; lea cada uno por su ruta</translation>
    </message>
    <message>
        <source>not saved: the KORVELT did not say its serial number</source>
        <translation>no guardado: el KORVELT no indicó su número de serie</translation>
    </message>
    <message>
        <source>read into %1</source>
        <translation>leído en %1</translation>
    </message>
    <message>
        <source>--format is dat or json</source>
        <translation>--format es dat o json</translation>
    </message>
    <message>
        <source>--json prints to standard output: read into a file</source>
        <translation>--json escribe en la salida estándar: lea en un archivo</translation>
    </message>
    <message>
        <source>  Makes the printable report of the schedule in FILE as a PDF (FILE
  with .pdf for .dat unless -o; -o - : standard output).</source>
        <translation>  Crea el informe imprimible de la programación de FILE como PDF
  (sin -o, FILE con .pdf en lugar de .dat; -o - : salida estándar).</translation>
    </message>
    <message>
        <source>the PDF (FILE with .pdf for .dat unless given; - : standard output)</source>
        <translation>el PDF (si no se indica, FILE con .pdf en lugar de .dat; - : salida estándar)</translation>
    </message>
    <message>
        <source>-o OUT.pdf is needed when FILE is -</source>
        <translation>hace falta -o OUT.pdf cuando FILE es -</translation>
    </message>
    <message>
        <source>%1: the report could not be made</source>
        <translation>%1: no se pudo crear el informe</translation>
    </message>
    <message>
        <source>  Reads each KORVELT and compares it with the schedule in FILE as the
  KORVELT holds it; exit status 1 when any differs, the differences
  on standard output. Nothing is written.</source>
        <translation>  Lee cada KORVELT y lo compara con la programación de FILE tal como la
  tiene el KORVELT; estado de salida 1 si alguno difiere, las
  diferencias en la salida estándar. No se escribe nada.</translation>
    </message>
    <message>
        <source>holds %1</source>
        <translation>contiene %1</translation>
    </message>
    <message>
        <source>differs from %1 in 1 place</source>
        <translation>difiere de %1 en 1 punto</translation>
    </message>
    <message numerus="yes">
        <source>differs from %1 in %n places</source>
        <translation>
            <numerusform>difiere de %1 en %n punto</numerusform>
            <numerusform>difiere de %1 en %n puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 hold %3</source>
        <extracomment>The summary of several KORVELTs: %1 of %2 KORVELTs hold the file %3</extracomment>
        <translation>%1 de %2 contienen %3</translation>
    </message>
    <message>
        <source>; the clock was not set: %1</source>
        <extracomment>After &quot;written and verified&quot;: %1 is why the clock was not set</extracomment>
        <translation>; el reloj no se ajustó: %1</translation>
    </message>
    <message>
        <source>; clock set to %1</source>
        <extracomment>After &quot;written and verified&quot;: %1 is the time the clock was set to</extracomment>
        <translation>; reloj ajustado a %1</translation>
    </message>
    <message>
        <source>waiting for KORVELTs to write %1 to (Ctrl+C ends)</source>
        <translation>esperando KORVELT en los que escribir %1 (Ctrl+C termina)</translation>
    </message>
    <message>
        <source>%1 programmed; %2 failed</source>
        <extracomment>The line&apos;s summary: KORVELTs programmed, and those that failed</extracomment>
        <translation>%1 programados; %2 fallidos</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>ending after this KORVELT (Ctrl+C again stops it at once)</source>
        <translation>termina tras este KORVELT (otro Ctrl+C lo detiene al instante)</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2; no more KORVELTs are taken</source>
        <translation>%1: no se puede escribir: %2; no se aceptan más KORVELT</translation>
    </message>
    <message>
        <source>%1 is a whole number from %2</source>
        <translation>%1 es un número entero a partir de %2</translation>
    </message>
    <message>
        <source>--watch writes each KORVELT plugged in: no --all, --device or --dry-run</source>
        <translation>--watch escribe cada KORVELT conectado: sin --all, --device ni --dry-run</translation>
    </message>
    <message>
        <source>  Writes the schedule in FILE (a data file or JSON, told by content)
  and reads it back to verify, unless --no-verify. --all writes every
  KORVELT attached at once, one line each. A schedule with values the
  KORVELT cannot hold is refused; one with likely mistakes too,
  unless --force.</source>
        <translation>  Escribe la programación de FILE (archivo de datos o JSON, según el
  contenido) y la relee para verificarla, salvo con --no-verify. --all
  escribe todos los KORVELT conectados a la vez, una línea cada uno. Se
  rechaza una programación con valores que el KORVELT no puede contener;
  también una con posibles errores, salvo con --force.</translation>
    </message>
    <message>
        <source>  Waits for KORVELTs to be plugged in and writes each as it arrives
  (and sets its clock to this computer&apos;s time with --set-clock), one
  line each; a KORVELT is written again only once it was unplugged.
  --log appends a CSV line per KORVELT: time, serial number, version,
  the SHA-256 of FILE, result, path, message, korveltctl&apos;s version.
  --count N ends it after N KORVELTs, --retry N tries a failed one
  again, --json prints one JSON object a line. Ctrl+C ends it after the
  KORVELT in hand (a second Ctrl+C at once): &quot;3 programmed; 1 failed&quot;.</source>
        <translation>  Espera a que se conecten KORVELT y escribe cada uno en cuanto llega
  (y con --set-clock ajusta su reloj a la hora de este ordenador), una
  línea cada uno; un KORVELT solo se vuelve a escribir tras haberse
  desconectado. --log añade una línea CSV por KORVELT: hora, número de
  serie, versión, SHA-256 de FILE, resultado, ruta, mensaje, versión de
  korveltctl. --count N termina tras N KORVELT, --retry N reintenta uno
  fallido, --json muestra un objeto JSON por línea. Ctrl+C termina tras
  el KORVELT en curso (un segundo Ctrl+C, al instante):
  «3 programados; 1 fallidos».</translation>
    </message>
    <message>
        <source>writes without reading it back</source>
        <translation>escribe sin releer</translation>
    </message>
    <message>
        <source>writes a schedule with likely mistakes too</source>
        <translation>escribe también una programación con posibles errores</translation>
    </message>
    <message>
        <source>writes each KORVELT as it is plugged in, until Ctrl+C</source>
        <translation>escribe cada KORVELT en cuanto se conecta, hasta Ctrl+C</translation>
    </message>
    <message>
        <source>--watch: sets each clock to this computer&apos;s time too</source>
        <translation>--watch: ajusta también cada reloj a la hora de este ordenador</translation>
    </message>
    <message>
        <source>--watch: appends a line per KORVELT to LOG.csv</source>
        <translation>--watch: añade una línea por KORVELT a LOG.csv</translation>
    </message>
    <message>
        <source>--watch: ends after N KORVELTs</source>
        <translation>--watch: termina tras N KORVELT</translation>
    </message>
    <message>
        <source>--watch: tries a failed KORVELT again, up to N times</source>
        <translation>--watch: reintenta un KORVELT fallido, hasta N veces</translation>
    </message>
    <message>
        <source>%1: not written: the KORVELT cannot hold %2 of its values</source>
        <translation>%1: no escrito: el KORVELT no puede contener %2 de sus valores</translation>
    </message>
    <message>
        <source>%1: not written: the check found 1 likely mistake (--force writes it all the same)</source>
        <translation>%1: no escrito: la comprobación encontró 1 posible error (--force lo escribe igualmente)</translation>
    </message>
    <message numerus="yes">
        <source>%1: not written: the check found %n likely mistakes (--force writes it all the same)</source>
        <translation>
            <numerusform>%1: no escrito: la comprobación encontró %n posible error (--force lo escribe igualmente)</numerusform>
            <numerusform>%1: no escrito: la comprobación encontró %n posibles errores (--force lo escribe igualmente)</numerusform>
        </translation>
    </message>
    <message>
        <source>--set-clock, --log, --count and --retry are for --watch</source>
        <translation>--set-clock, --log, --count y --retry son para --watch</translation>
    </message>
    <message>
        <source>would write %1 and verify it</source>
        <translation>escribiría %1 y lo verificaría</translation>
    </message>
    <message>
        <source>would write %1</source>
        <translation>escribiría %1</translation>
    </message>
    <message>
        <source>%1 of %2 would be written and verified</source>
        <translation>se escribirían y verificarían %1 de %2</translation>
    </message>
    <message>
        <source>%1 of %2 would be written</source>
        <translation>se escribirían %1 de %2</translation>
    </message>
    <message>
        <source>%1 of %2 written and verified</source>
        <translation>%1 de %2 escritos y verificados</translation>
    </message>
    <message>
        <source>%1 of %2 written</source>
        <translation>%1 de %2 escritos</translation>
    </message>
    <message>
        <source>--device or --all, not both</source>
        <translation>--device o --all, no ambos</translation>
    </message>
    <message>
        <source>%1 KORVELTs are attached (%2): name one with --device, or --all</source>
        <translation>hay %1 KORVELT conectados (%2): indique uno con --device, o --all</translation>
    </message>
    <message>
        <source>the KORVELT is in program mode</source>
        <translation>el KORVELT está en modo de actualización</translation>
    </message>
    <message>
        <source>not a KORVELT time controller</source>
        <translation>no es un programador horario KORVELT</translation>
    </message>
    <message>
        <source>the KORVELT stopped answering</source>
        <translation>el KORVELT dejó de responder</translation>
    </message>
    <message>
        <source>no KORVELT is attached at %1</source>
        <translation>no hay ningún KORVELT conectado en %1</translation>
    </message>
    <message>
        <source>no KORVELT with serial number %1 is attached</source>
        <translation>no hay ningún KORVELT con número de serie %1 conectado</translation>
    </message>
    <message>
        <source>%1 KORVELTs have serial number %2: %3; name one by its path</source>
        <translation>%1 KORVELT tienen el número de serie %2: %3; indique uno por su ruta</translation>
    </message>
    <message>
        <source>; 1 differs</source>
        <extracomment>Of the summary of several KORVELTs, after what went through</extracomment>
        <translation>; 1 difiere</translation>
    </message>
    <message numerus="yes">
        <source>; %n differ</source>
        <translation>
            <numerusform>; %n difiere</numerusform>
            <numerusform>; %n difieren</numerusform>
        </translation>
    </message>
    <message>
        <source>; 1 failed</source>
        <extracomment>Of the summary of several KORVELTs, after what went through</extracomment>
        <translation>; 1 fallido</translation>
    </message>
    <message numerus="yes">
        <source>; %n failed</source>
        <translation>
            <numerusform>; %n fallido</numerusform>
            <numerusform>; %n fallidos</numerusform>
        </translation>
    </message>
    <message>
        <source>clock %1</source>
        <translation>reloj %1</translation>
    </message>
    <message>
        <source>program mode</source>
        <translation>modo de actualización</translation>
    </message>
    <message>
        <source>not a KORVELT</source>
        <translation>no es un KORVELT</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sin respuesta</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>no se puede abrir: %1</translation>
    </message>
    <message>
        <source>busy: in use by another program</source>
        <translation>ocupado: en uso por otro programa</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>%1 is given more than once</source>
        <translation>%1 se indica más de una vez</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 is the name of what is missing: FILE, OUT, DIR</extracomment>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrada estándar</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 is the file read; the output needs a name of its own</source>
        <translation>%1 es el archivo leído; la salida necesita un nombre propio</translation>
    </message>
    <message>
        <source>%1: cannot be written: a symbolic link is there, which is not followed</source>
        <translation>%1: no se puede escribir: hay un enlace simbólico, que no se sigue</translation>
    </message>
    <message>
        <source>standard input: cannot be read</source>
        <translation>entrada estándar: no se puede leer</translation>
    </message>
    <message>
        <source>%1: too large (more than 16 MiB)</source>
        <translation>%1: demasiado grande (más de 16 MiB)</translation>
    </message>
    <message>
        <source>%1: a data file of a later version</source>
        <translation>%1: un archivo de datos de una versión posterior</translation>
    </message>
    <message>
        <source>%1: the data file is cut short</source>
        <translation>%1: el archivo de datos está cortado</translation>
    </message>
    <message>
        <source>Mistake: %1</source>
        <extracomment>A line of the check: %1 is what it found</extracomment>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <extracomment>A line of the check: %1 is what it found</extracomment>
        <translation>Nota: %1</translation>
    </message>
    <message>
        <source>while verifying, at block %1 of %2: the KORVELT holds the new schedule, not verified</source>
        <translation>durante la verificación, en el bloque %1 de %2: el KORVELT tiene la programación nueva, sin verificar</translation>
    </message>
    <message>
        <source>before the schedule was sent: the KORVELT holds its old schedule</source>
        <translation>antes de enviar la programación: el KORVELT conserva su programación anterior</translation>
    </message>
    <message>
        <source>at block %1 of %2: the KORVELT holds part of the old and part of the new schedule</source>
        <translation>en el bloque %1 de %2: el KORVELT tiene parte de la programación anterior y parte de la nueva</translation>
    </message>
    <message>
        <source>no KORVELT is attached there</source>
        <translation>ahí no hay ningún KORVELT conectado</translation>
    </message>
    <message>
        <source>the KORVELT&apos;s block %1 holds values that are not times or dates</source>
        <translation>el bloque %1 del KORVELT tiene valores que no son horas ni fechas</translation>
    </message>
    <message>
        <source>stopped answering %1</source>
        <extracomment>%1 says where the write was and what the KORVELT holds</extracomment>
        <translation>dejó de responder, %1</translation>
    </message>
    <message>
        <source>the KORVELT stopped answering at block %1</source>
        <translation>el KORVELT dejó de responder en el bloque %1</translation>
    </message>
    <message>
        <source>unplugged %1</source>
        <extracomment>%1 says where the write was and what the KORVELT holds</extracomment>
        <translation>desconectado, %1</translation>
    </message>
    <message>
        <source>the KORVELT was unplugged</source>
        <translation>el KORVELT se desconectó</translation>
    </message>
    <message>
        <source>the schedule read back differs from the one written in 1 place</source>
        <translation>la programación releída difiere de la escrita en 1 punto</translation>
    </message>
    <message numerus="yes">
        <source>the schedule read back differs from the one written in %n places</source>
        <translation>
            <numerusform>la programación releída difiere de la escrita en %n punto</numerusform>
            <numerusform>la programación releída difiere de la escrita en %n puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>interrupted before anything was sent: the KORVELT is as it was</source>
        <translation>interrumpido antes de enviar nada: el KORVELT sigue como estaba</translation>
    </message>
    <message>
        <source>interrupted while verifying, at block %1 of %2: the KORVELT holds the new schedule, not verified</source>
        <translation>interrumpido durante la verificación, en el bloque %1 de %2: el KORVELT tiene la programación nueva, sin verificar</translation>
    </message>
    <message>
        <source>interrupted before the schedule was sent: the KORVELT holds its old schedule</source>
        <translation>interrumpido antes de enviar la programación: el KORVELT conserva su programación anterior</translation>
    </message>
    <message>
        <source>interrupted at block %1 of %2: the KORVELT holds part of the old and part of the new schedule</source>
        <translation>interrumpido en el bloque %1 de %2: el KORVELT tiene parte de la programación anterior y parte de la nueva</translation>
    </message>
    <message>
        <source>interrupted at block %1 of %2: nothing was saved</source>
        <translation>interrumpido en el bloque %1 de %2: no se guardó nada</translation>
    </message>
    <message>
        <source>interrupted before the clock was set</source>
        <translation>interrumpido antes de ajustar el reloj</translation>
    </message>
    <message>
        <source>interrupted: the clock may or may not have been set</source>
        <translation>interrumpido: puede que el reloj se haya ajustado o no</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>interrumpido</translation>
    </message>
    <message>
        <source>%1 (serial %2)</source>
        <extracomment>A KORVELT as a line names it: its path and serial number</extracomment>
        <translation>%1 (n.º de serie %2)</translation>
    </message>
    <message>
        <source>written and verified</source>
        <translation>escrito y verificado</translation>
    </message>
    <message>
        <source>written</source>
        <translation>escrito</translation>
    </message>
    <message>
        <source>read</source>
        <extracomment>A KORVELT&apos;s schedule was read</extracomment>
        <translation>leído</translation>
    </message>
    <message>
        <source>a command is missing</source>
        <translation>falta una orden</translation>
    </message>
    <message>
        <source>--demo N is a number of KORVELTs from 1 to %1</source>
        <translation>--demo N es un número de KORVELT de 1 a %1</translation>
    </message>
    <message>
        <source>%1 (see korveltctl --help)</source>
        <extracomment>After a mistake on the command line: %1 is the mistake</extracomment>
        <translation>%1 (véase korveltctl --help)</translation>
    </message>
    <message>
        <source>standard output: %1</source>
        <translation>salida estándar: %1</translation>
    </message>
    <message>
        <source>cannot make the report: %1 is missing; install the program again</source>
        <translation>no se puede crear el informe: falta %1; vuelva a instalar el programa</translation>
    </message>
    <message>
        <source>not applied: %1</source>
        <extracomment>A preset&apos;s holiday its rule does not tick: %1 is the holiday&apos;s line</extracomment>
        <translation>no aplicado: %1</translation>
    </message>
    <message>
        <source>%1; the two reads disagreed, so a stray report from another program may be the cause: try again</source>
        <extracomment>%1 says where the KORVELT differs; this adds why the tool cannot tell a stray report from a KORVELT that differs</extracomment>
        <translation>%1; las dos lecturas no coincidían, así que la causa puede ser un mensaje ajeno de otro programa: inténtelo de nuevo</translation>
    </message>
    <message>
        <source>  Prints a year&apos;s public holidays (this year unless --year), or with -o
  writes them as the special dates of the schedule in IN.dat (the
  defaults without --from) into OUT. With fewer than %1 holidays the
  other special dates keep theirs, or repeat the last (--repeat-last).
  --rules adds the rules of a file the Holidays dialog saved (or takes
  them alone, without --preset). The days of rules a preset offers but
  does not tick follow as &quot;not applied&quot; lines. --json and --format csv
  print each holiday&apos;s date, weekday, names, whether it is a substitute
  day and whether it is applied.
  CODE: %2.</source>
        <translation>  Muestra los festivos de un año (el actual sin --year), o con -o los
  escribe como fechas especiales de la programación de IN.dat (los
  valores por defecto sin --from) en OUT. Con menos de %1 festivos, las
  demás fechas especiales conservan las suyas o repiten la última
  (--repeat-last). --rules añade las reglas de un archivo guardado por
  el cuadro Festivos (o usa solo esas, sin --preset). --json y
  --format csv muestran de cada festivo la fecha, el día de la semana,
  los nombres y si es un día trasladado y si se aplica.
  Los días de reglas que una lista ofrece sin marcar siguen como líneas
  «no aplicado».
  CODE: %2.</translation>
    </message>
    <message>
        <source>-o: with fewer than %1 holidays, the others repeat the last</source>
        <translation>-o: con menos de %1 festivos, los demás repiten el último</translation>
    </message>
</context>
</TS>
