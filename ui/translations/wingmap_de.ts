<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>Usage: wingmap [-h | --help | -v | --version] [Qt options]</source>
        <translation>Aufruf: wingmap [-h | --help | -v | --version] [Qt-Optionen]</translation>
    </message>
    <message>
        <source>Shows a circle in the complex plane beside the profile that the
Joukowsky transformation makes of it.

  -h, --help     print this help and exit
  -v, --version  print the version and exit

Qt&apos;s standard options (-platform, -display, -style, -session and the
others named in wingmap(1)) are passed on to Qt.
</source>
        <translation>Zeigt einen Kreis in der komplexen Ebene neben dem Profil, das die
Joukowsky-Transformation aus ihm macht.

  -h, --help     diese Hilfe ausgeben und beenden
  -v, --version  die Version ausgeben und beenden

Die Standardoptionen von Qt (-platform, -display, -style, -session und die
übrigen in wingmap(1) genannten) werden an Qt weitergegeben.
</translation>
    </message>
    <message>
        <source>Wingmap opens a window, so it needs a graphical session: only WAYLAND_DISPLAY is set, and Qt&apos;s Wayland plugin (the package qt6-wayland) is not installed.</source>
        <translation>Wingmap öffnet ein Fenster und braucht dafür eine grafische Sitzung: Nur WAYLAND_DISPLAY ist gesetzt, und das Wayland-Plugin von Qt (das Paket qt6-wayland) ist nicht installiert.</translation>
    </message>
    <message>
        <source>Wingmap opens a window, so it needs a graphical session: Qt&apos;s platform %1 cannot start without %2.</source>
        <translation>Wingmap öffnet ein Fenster und braucht dafür eine grafische Sitzung: Die Qt-Plattform %1 kann ohne %2 nicht starten.</translation>
    </message>
    <message>
        <source>its plugin</source>
        <translation>ihr Plugin</translation>
    </message>
    <message>
        <source>Wingmap opens a window, so it needs a graphical session: neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>Wingmap öffnet ein Fenster und braucht dafür eine grafische Sitzung: Weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt.</translation>
    </message>
</context>
<context>
    <name>wingmap::FileSaver</name>
    <message>
        <source>the picture could not be made</source>
        <translation>das Bild konnte nicht erzeugt werden</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.

A file of that name, if there was one, has been left as it was. Check that the folder exists, that you may write to it and that the disk has room, then save again.</source>
        <translation>%1 konnte nicht geschrieben werden: %2.

Eine vorhandene Datei dieses Namens ist unverändert geblieben. Prüfen Sie, ob der Ordner existiert, ob Sie darin schreiben dürfen und ob auf dem Datenträger Platz ist, und speichern Sie dann erneut.</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>Picture not saved</source>
        <translation>Bild nicht gespeichert</translation>
    </message>
    <message>
        <source>%1 was not written: pictures are saved as PNG or SVG.

Save again with a name that ends in .png or .svg.</source>
        <translation>%1 wurde nicht geschrieben: Bilder werden als PNG oder SVG gespeichert.

Speichern Sie erneut mit einem Namen, der auf .png oder .svg endet.</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Kommagetrennte Werte (*.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>wingmap::FlowExports</name>
    <message>
        <source>Export surface &amp;pressure…</source>
        <translation>Oberflächen&amp;druck exportieren …</translation>
    </message>
    <message>
        <source>Export stream&amp;lines…</source>
        <translation>Strom&amp;linien exportieren …</translation>
    </message>
    <message>
        <source>Nothing exported</source>
        <translation>Nichts exportiert</translation>
    </message>
    <message>
        <source>No flow has been drawn yet, so there is nothing to export.

Draw a profile in the main window first.</source>
        <translation>Es wurde noch keine Strömung gezeichnet, daher gibt es nichts zu exportieren.

Zeichnen Sie zuerst ein Profil im Hauptfenster.</translation>
    </message>
    <message>
        <source>Export surface pressure</source>
        <translation>Oberflächendruck exportieren</translation>
    </message>
    <message>
        <source>Surface pressure not exported</source>
        <translation>Oberflächendruck nicht exportiert</translation>
    </message>
    <message>
        <source>Export streamlines</source>
        <translation>Stromlinien exportieren</translation>
    </message>
    <message>
        <source>Streamlines not exported</source>
        <translation>Stromlinien nicht exportiert</translation>
    </message>
    <message>
        <source>Export lift c&amp;urve…</source>
        <translation>&amp;Auftriebskurve exportieren …</translation>
    </message>
    <message>
        <source>Export lift curve</source>
        <translation>Auftriebskurve exportieren</translation>
    </message>
    <message>
        <source>Lift curve not exported</source>
        <translation>Auftriebskurve nicht exportiert</translation>
    </message>
    <message>
        <source>Export &amp;time lines…</source>
        <translation>&amp;Zeitlinien exportieren …</translation>
    </message>
    <message>
        <source>Export &amp;equipotential lines…</source>
        <translation>Ä&amp;quipotentiallinien exportieren …</translation>
    </message>
    <message>
        <source>Export time lines</source>
        <translation>Zeitlinien exportieren</translation>
    </message>
    <message>
        <source>Time lines not exported</source>
        <translation>Zeitlinien nicht exportiert</translation>
    </message>
    <message>
        <source>Export equipotential lines</source>
        <translation>Äquipotentiallinien exportieren</translation>
    </message>
    <message>
        <source>Equipotential lines not exported</source>
        <translation>Äquipotentiallinien nicht exportiert</translation>
    </message>
</context>
<context>
    <name>wingmap::FlowText</name>
    <message>
        <source>(%1, %2)</source>
        <translation>(%1, %2)</translation>
    </message>
    <message>
        <source>The profile faces left: its leading edge is on the right.</source>
        <translation>Das Profil zeigt nach links: Seine Vorderkante liegt rechts.</translation>
    </message>
    <message>
        <source>The suction is unbounded at x/c = %1, where the flow turns round a sharp edge.</source>
        <translation>Der Sog ist unbeschränkt bei x/c = %1, wo die Strömung um eine spitze Kante läuft.</translation>
    </message>
    <message>
        <source>The pressure is lowest on the upper side at x/c = %1, where Cp is %2.</source>
        <translation>Der Druck ist auf der Oberseite bei x/c = %1 am niedrigsten, wo Cp %2 beträgt.</translation>
    </message>
    <message>
        <source>The pressure is lowest on the lower side at x/c = %1, where Cp is %2.</source>
        <translation>Der Druck ist auf der Unterseite bei x/c = %1 am niedrigsten, wo Cp %2 beträgt.</translation>
    </message>
    <message>
        <source>make F larger</source>
        <translation>vergrößern Sie F</translation>
    </message>
    <message>
        <source>make F smaller</source>
        <translation>verkleinern Sie F</translation>
    </message>
    <message>
        <source>Move b nearer 0, %1 or move G nearer 0.</source>
        <translation>Bringen Sie b näher an 0, %1 oder bringen Sie G näher an 0.</translation>
    </message>
    <message>
        <source>Move b nearer 0 or %1.</source>
        <translation>Bringen Sie b näher an 0 oder %1.</translation>
    </message>
    <message>
        <source>Move b nearer 0 or move G nearer 0.</source>
        <translation>Bringen Sie b oder G näher an 0.</translation>
    </message>
    <message>
        <source>Move b nearer 0.</source>
        <translation>Bringen Sie b näher an 0.</translation>
    </message>
    <message>
        <source>No flow drawn: the profile crosses itself. Move b nearer 0, or press “Sharp trailing edge”.</source>
        <translation>Keine Strömung gezeichnet: Das Profil schneidet sich selbst. Bringen Sie b näher an 0 oder drücken Sie „Spitze Hinterkante“.</translation>
    </message>
    <message>
        <source>No flow drawn: the profile crosses itself. Move b nearer 0.</source>
        <translation>Keine Strömung gezeichnet: Das Profil schneidet sich selbst. Bringen Sie b näher an 0.</translation>
    </message>
    <message>
        <source>No flow drawn: a side of the profile turns back along the chord, so it has no chord line to measure the angle from. Change F, G or b.</source>
        <translation>Keine Strömung gezeichnet: Eine Seite des Profils läuft entlang der Sehne zurück, daher gibt es keine Sehne, von der aus der Winkel gemessen wird. Ändern Sie F, G oder b.</translation>
    </message>
    <message>
        <source>No flow drawn. %1 %2</source>
        <translation>Keine Strömung gezeichnet. %1 %2</translation>
    </message>
    <message>
        <source>No flow yet: draw a profile in the main window.</source>
        <translation>Noch keine Strömung: Zeichnen Sie ein Profil im Hauptfenster.</translation>
    </message>
    <message>
        <source>No flow drawn: the Scale is too small to trace streamlines at. Choose a larger Scale.</source>
        <translation>Keine Strömung gezeichnet: Scale ist zu klein, um Stromlinien zu verfolgen. Wählen Sie eine größere Scale.</translation>
    </message>
    <message>
        <source>No flow drawn: the Scale is too large to trace streamlines at. Choose a smaller Scale.</source>
        <translation>Keine Strömung gezeichnet: Scale ist zu groß, um Stromlinien zu verfolgen. Wählen Sie eine kleinere Scale.</translation>
    </message>
    <message>
        <source>No flow drawn: the critical point +b lies outside the circle (%1 from its centre), where the map folds the flow.</source>
        <translation>Keine Strömung gezeichnet: Der kritische Punkt +b liegt außerhalb des Kreises (%1 vom Mittelpunkt), wo die Abbildung die Strömung faltet.</translation>
    </message>
    <message>
        <source>Press “Sharp trailing edge” to put the circle through +b, or move b nearer 0.</source>
        <translation>Drücken Sie „Spitze Hinterkante“, um den Kreis durch +b zu legen, oder bringen Sie b näher an 0.</translation>
    </message>
    <message>
        <source>No flow drawn: the critical point -b lies outside the circle (%1 from its centre), where the map folds the flow.</source>
        <translation>Keine Strömung gezeichnet: Der kritische Punkt -b liegt außerhalb des Kreises (%1 vom Mittelpunkt), wo die Abbildung die Strömung faltet.</translation>
    </message>
    <message>
        <source>No flow drawn: the angle of attack must lie between -90° and 90°. Type an angle in that range.</source>
        <translation>Keine Strömung gezeichnet: Der Anstellwinkel muss zwischen -90° und 90° liegen. Geben Sie einen Winkel in diesem Bereich ein.</translation>
    </message>
    <message>
        <source>C_L = %1 · C_M,c/4 = %2 · Γ = %3 · α₀ = %4°</source>
        <translation>C_L = %1 · C_M,c/4 = %2 · Γ = %3 · α₀ = %4°</translation>
    </message>
    <message>
        <source>Lift coefficient %1, moment coefficient about the quarter chord %2, circulation %3, zero-lift angle %4 degrees.</source>
        <translation>Auftriebsbeiwert %1, Momentenbeiwert um den Viertelpunkt der Sehne %2, Zirkulation %3, Nullauftriebswinkel %4 Grad.</translation>
    </message>
    <message>
        <source>Streamlines round the circle at an angle of attack of %1 degrees. The front stagnation point is at %2, the rear one at %3. %4</source>
        <translation>Stromlinien um den Kreis bei einem Anstellwinkel von %1 Grad. Der vordere Staupunkt liegt bei %2, der hintere bei %3. %4</translation>
    </message>
    <message>
        <source>Streamlines past the profile at an angle of attack of %1 degrees. The front stagnation point is at %2, the rear one at %3. %4 %5</source>
        <translation>Stromlinien um das Profil bei einem Anstellwinkel von %1 Grad. Der vordere Staupunkt liegt bei %2, der hintere bei %3. %4 %5</translation>
    </message>
    <message>
        <source>Minus the pressure coefficient against the chord position, upper and lower side. %1</source>
        <translation>Negativer Druckbeiwert über der Sehnenposition, Ober- und Unterseite. %1</translation>
    </message>
    <message>
        <source>%1 degrees</source>
        <translation>%1 Grad</translation>
    </message>
    <message>
        <source>No circle through +b can be drawn for these F and G: the b it needs is not a number the main window can draw. Change F or G.</source>
        <translation>Für diese F und G lässt sich kein Kreis durch +b zeichnen: Das nötige b ist keine Zahl, die das Hauptfenster zeichnen kann. Ändern Sie F oder G.</translation>
    </message>
    <message>
        <source>Sets b in the main window so that the circle passes through +b: the trailing edge becomes sharp</source>
        <translation>Setzt b im Hauptfenster so, dass der Kreis durch +b geht: Die Hinterkante wird spitz</translation>
    </message>
    <message>
        <source>dC_L/dα = %1 per rad = %2 × 2π (%3 per degree).</source>
        <translation>dC_L/dα = %1 je rad = %2 × 2π (%3 je Grad).</translation>
    </message>
    <message>
        <source>The rear stagnation point is at %1° on the circle, at x/c = %2 on the profile; the Kutta condition would give Γ = %3.</source>
        <translation>Der hintere Staupunkt liegt bei %1° auf dem Kreis, bei x/c = %2 auf dem Profil; die Kutta-Bedingung ergäbe Γ = %3.</translation>
    </message>
    <message>
        <source>The stagnation point has left the body: it lies in the flow at %1 beside the profile; the Kutta condition would give Γ = %2.</source>
        <translation>Der Staupunkt hat den Körper verlassen: Er liegt in der Strömung bei %1 neben dem Profil; die Kutta-Bedingung ergäbe Γ = %2.</translation>
    </message>
    <message>
        <source>Real profiles stall about 12° from the angle of no lift; the potential flow does not.</source>
        <translation>Echte Profile reißen etwa 12° vom Nullauftriebswinkel entfernt ab; die Potentialströmung nicht.</translation>
    </message>
    <message>
        <source>%1 × 10%2</source>
        <translation>%1 × 10%2</translation>
    </message>
    <message>
        <source>The forces follow the flow drawn: there is none yet.</source>
        <translation>Die Kräfte folgen der gezeichneten Strömung: Es gibt noch keine.</translation>
    </message>
    <message>
        <source>Type an altitude from 0 to 20000 m.</source>
        <translation>Geben Sie eine Höhe von 0 bis 20000 m ein.</translation>
    </message>
    <message>
        <source>Type a speed above 0 m/s.</source>
        <translation>Geben Sie eine Geschwindigkeit über 0 m/s ein.</translation>
    </message>
    <message>
        <source>Type a chord above 0 m.</source>
        <translation>Geben Sie eine Sehne über 0 m ein.</translation>
    </message>
    <message>
        <source>These numbers are too large to compute with: type a smaller speed or chord.</source>
        <translation>Mit diesen Zahlen lässt sich nicht rechnen, sie sind zu groß: Geben Sie eine kleinere Geschwindigkeit oder Sehne ein.</translation>
    </message>
    <message>
        <source>ρ = %1 kg/m³ · q = %2 Pa · L′ = %3 N/m · M′ = %4 N·m/m · Re = %5</source>
        <translation>ρ = %1 kg/m³ · q = %2 Pa · L′ = %3 N/m · M′ = %4 N·m/m · Re = %5</translation>
    </message>
    <message>
        <source>No flow drawn: the circulation is too strong to trace streamlines round. Type a circulation from -15 to 15.</source>
        <translation>Keine Strömung gezeichnet: Die Zirkulation ist zu stark, um Stromlinien zu verfolgen. Geben Sie eine Zirkulation von -15 bis 15 ein.</translation>
    </message>
    <message>
        <source>No flow drawn: the circulation is not a finite number. Type a circulation from -15 to 15, or any other finite number.</source>
        <translation>Keine Strömung gezeichnet: Die Zirkulation ist keine endliche Zahl. Geben Sie eine Zirkulation von -15 bis 15 oder eine andere endliche Zahl ein.</translation>
    </message>
    <message>
        <source>The lift coefficient and the moment coefficient about the quarter chord against the angle of attack from -15 to 15 degrees under the Kutta condition, with the thin-airfoil line 2π(α − α₀); the angle of %1 degrees is marked. The lift slope there is %2 per radian.</source>
        <translation>Auftriebsbeiwert und Momentenbeiwert um den Viertelpunkt der Sehne über dem Anstellwinkel von -15 bis 15 Grad unter der Kutta-Bedingung, mit der Geraden der Theorie dünner Profile 2π(α − α₀); der Winkel von %1 Grad ist markiert. Der Auftriebsanstieg beträgt dort %2 je Radiant.</translation>
    </message>
    <message>
        <source>circulation %1</source>
        <translation>Zirkulation %1</translation>
    </message>
    <message>
        <source>t = %1 s</source>
        <translation>t = %1 s</translation>
    </message>
    <message>
        <source>both sides reach the trailing edge together</source>
        <translation>beide Seiten erreichen die Hinterkante gleichzeitig</translation>
    </message>
    <message>
        <source>upper side reaches the trailing edge %1 s earlier</source>
        <translation>die Oberseite erreicht die Hinterkante %1 s früher</translation>
    </message>
    <message>
        <source>upper side reaches the trailing edge %1 s later</source>
        <translation>die Oberseite erreicht die Hinterkante %1 s später</translation>
    </message>
</context>
<context>
    <name>wingmap::FlowWindow</name>
    <message>
        <source>Wingmap - Flow</source>
        <translation>Wingmap - Strömung</translation>
    </message>
    <message>
        <source>Flow round the circle</source>
        <translation>Strömung um den Kreis</translation>
    </message>
    <message>
        <source>Flow past the profile</source>
        <translation>Strömung um das Profil</translation>
    </message>
    <message>
        <source>Pressure along the surface</source>
        <translation>Druck entlang der Oberfläche</translation>
    </message>
    <message>
        <source>x/c</source>
        <translation>x/c</translation>
    </message>
    <message>
        <source>−Cp</source>
        <translation>−Cp</translation>
    </message>
    <message>
        <source>upper side</source>
        <translation>Oberseite</translation>
    </message>
    <message>
        <source>lower side</source>
        <translation>Unterseite</translation>
    </message>
    <message>
        <source>Angle of attack in degrees</source>
        <translation>Anstellwinkel in Grad</translation>
    </message>
    <message>
        <source>The angle of attack from the chord line, in degrees, from -90 to 90; &quot;.&quot; before the decimals</source>
        <translation>Der Anstellwinkel gegen die Sehne, in Grad, von -90 bis 90; „.“ vor den Nachkommastellen</translation>
    </message>
    <message>
        <source>Angle of attack, -15 to 15 degrees</source>
        <translation>Anstellwinkel, -15 bis 15 Grad</translation>
    </message>
    <message>
        <source>&amp;Kutta condition</source>
        <translation>&amp;Kutta-Bedingung</translation>
    </message>
    <message>
        <source>Holds the rear stagnation point at the trailing edge, which sets the circulation and so the lift</source>
        <translation>Hält den hinteren Staupunkt an der Hinterkante fest; das legt die Zirkulation und damit den Auftrieb fest</translation>
    </message>
    <message>
        <source>&amp;Sharp trailing edge</source>
        <translation>&amp;Spitze Hinterkante</translation>
    </message>
    <message>
        <source>&amp;Angle α (°) =</source>
        <translation>&amp;Anstellwinkel α (°) =</translation>
    </message>
    <message>
        <source>The angle of attack from the chord line, in degrees, from -90 to 90. Numbers use a point.</source>
        <translation>Der Anstellwinkel gegen die Sehne, in Grad, von -90 bis 90. Zahlen schreiben Sie mit Punkt.</translation>
    </message>
    <message>
        <source>α</source>
        <translation>α</translation>
    </message>
    <message>
        <source>α (°)</source>
        <translation>α (°)</translation>
    </message>
    <message>
        <source>C_L, C_M</source>
        <translation>C_L, C_M</translation>
    </message>
    <message>
        <source>C_L</source>
        <translation>C_L</translation>
    </message>
    <message>
        <source>C_M,c/4</source>
        <translation>C_M,c/4</translation>
    </message>
    <message>
        <source>thin airfoil 2π(α − α₀)</source>
        <translation>dünnes Profil 2π(α − α₀)</translation>
    </message>
    <message>
        <source>Sho&amp;w:</source>
        <translation>&amp;Darstellung:</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Lift curve</source>
        <translation>Auftriebskurve</translation>
    </message>
    <message>
        <source>What the lower plot shows</source>
        <translation>Was das untere Diagramm zeigt</translation>
    </message>
    <message>
        <source>Ci&amp;rculation Γ =</source>
        <translation>&amp;Zirkulation Γ =</translation>
    </message>
    <message>
        <source>Circulation</source>
        <translation>Zirkulation</translation>
    </message>
    <message>
        <source>The circulation round the profile, positive clockwise, in plot units with a free stream of speed 1. Read-only under the Kutta condition, which sets it. Numbers use a point.</source>
        <translation>Die Zirkulation um das Profil, im Uhrzeigersinn positiv, in Zeicheneinheiten bei einer Anströmung der Geschwindigkeit 1. Unter der Kutta-Bedingung, die sie festlegt, nur lesbar. Zahlen schreiben Sie mit Punkt.</translation>
    </message>
    <message>
        <source>Circulation, -15 to 15</source>
        <translation>Zirkulation, -15 bis 15</translation>
    </message>
    <message>
        <source>F&amp;orces</source>
        <translation>Kräf&amp;te</translation>
    </message>
    <message>
        <source>Shows the lift and moment on a real wing section at a speed, chord and altitude you type</source>
        <translation>Zeigt Auftrieb und Moment an einem echten Flügelschnitt bei einer Geschwindigkeit, Sehne und Höhe, die Sie eingeben</translation>
    </message>
    <message>
        <source>Γ</source>
        <translation>Γ</translation>
    </message>
    <message>
        <source>The pressure along the surface, or the lift curve of the profile drawn</source>
        <translation>Der Druck entlang der Oberfläche oder die Auftriebskurve des gezeichneten Profils</translation>
    </message>
    <message>
        <source>Point at a pane, or focus one and use the arrow keys, to read the flow there and at its image</source>
        <translation>Zeigen Sie auf ein Feld oder wählen Sie eines und benutzen Sie die Pfeiltasten, um die Strömung dort und an seinem Bildpunkt abzulesen</translation>
    </message>
    <message>
        <source>&amp;Time lines</source>
        <translation>Zeit&amp;linien</translation>
    </message>
    <message>
        <source>Releases a line of particles at the left of each pane at regular times; each particle moves with the flow of its pane</source>
        <translation>Setzt in regelmäßigen Abständen links in jedem Feld eine Reihe von Teilchen aus; jedes Teilchen bewegt sich mit der Strömung seines Feldes</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Stops and restarts the time lines&apos; clock</source>
        <translation>Hält die Uhr der Zeitlinien an und lässt sie weiterlaufen</translation>
    </message>
    <message>
        <source>&amp;Equipotential lines</source>
        <translation>Ä&amp;quipotentiallinien</translation>
    </message>
    <message>
        <source>Draws the lines of equal velocity potential, which cross the streamlines at right angles</source>
        <translation>Zeichnet die Linien gleichen Geschwindigkeitspotentials, die die Stromlinien rechtwinklig kreuzen</translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation>G&amp;itter</translation>
    </message>
    <message>
        <source>Draws a polar grid round the circle and its image under the map, which keeps right angles everywhere except at ±b</source>
        <translation>Zeichnet ein Polargitter um den Kreis und sein Bild unter der Abbildung, die überall außer bei ±b rechte Winkel erhält</translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation>Gesch&amp;windigkeit</translation>
    </message>
    <message>
        <source>Colours each pane by the speed of its own flow</source>
        <translation>Färbt jedes Feld nach der Geschwindigkeit seiner eigenen Strömung</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>Abs&amp;pielen</translation>
    </message>
</context>
<context>
    <name>wingmap::ForcesGroup</name>
    <message>
        <source>Forces on a wing section</source>
        <translation>Kräfte an einem Flügelschnitt</translation>
    </message>
    <message>
        <source>Speed &amp;V (m/s) =</source>
        <translation>&amp;Geschwindigkeit V (m/s) =</translation>
    </message>
    <message>
        <source>The speed of the air far from the wing, in metres per second, above 0. Numbers use a point.</source>
        <translation>Die Geschwindigkeit der Luft fern vom Flügel, in Metern je Sekunde, über 0. Zahlen schreiben Sie mit Punkt.</translation>
    </message>
    <message>
        <source>&amp;Chord c (m) =</source>
        <translation>Seh&amp;ne c (m) =</translation>
    </message>
    <message>
        <source>The chord of the wing section, in metres, above 0. Numbers use a point.</source>
        <translation>Die Sehne des Flügelschnitts, in Metern, über 0. Zahlen schreiben Sie mit Punkt.</translation>
    </message>
    <message>
        <source>Alt&amp;itude h (m) =</source>
        <translation>&amp;Höhe h (m) =</translation>
    </message>
    <message>
        <source>The altitude in the standard atmosphere, in metres, from 0 to 20000. Numbers use a point.</source>
        <translation>Die Höhe in der Normatmosphäre, in Metern, von 0 bis 20000. Zahlen schreiben Sie mit Punkt.</translation>
    </message>
    <message>
        <source>Speed in metres per second</source>
        <translation>Geschwindigkeit in Metern je Sekunde</translation>
    </message>
    <message>
        <source>Chord in metres</source>
        <translation>Sehne in Metern</translation>
    </message>
    <message>
        <source>Altitude in metres</source>
        <translation>Höhe in Metern</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>c</source>
        <translation>c</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
</context>
<context>
    <name>wingmap::Form1</name>
    <message>
        <source>%1 scroll bar</source>
        <translation>Schieberegler für %1</translation>
    </message>
    <message>
        <source>%1 from %2 to %3: the bar&apos;s value divided by %4</source>
        <translation>%1 von %2 bis %3: der Wert des Reglers geteilt durch %4</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>The circle in the z-plane, its centre cross and the critical points ±b</source>
        <translation>Der Kreis in der z-Ebene, das Kreuz in seinem Mittelpunkt und die kritischen Punkte ±b</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>The profile that the Joukowsky transformation makes of the circle, with the images ±2b of the critical points</source>
        <translation>Das Profil, das die Joukowsky-Transformation aus dem Kreis macht, mit den Bildern ±2b der kritischen Punkte</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>b</source>
        <translation>b</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>Not redrawn: b is 0, so there is nothing to transform. Set b to a value other than 0.</source>
        <translation>Nicht neu gezeichnet: b ist 0, es gibt nichts zu transformieren. Geben Sie b einen Wert ungleich 0.</translation>
    </message>
    <message>
        <source>Not redrawn: the circle no longer encloses the origin. Make b, F or G smaller.</source>
        <translation>Nicht neu gezeichnet: Der Kreis umschließt den Ursprung nicht mehr. Verkleinern Sie b, F oder G.</translation>
    </message>
    <message>
        <source>Not redrawn: the circle passes through the origin, where the transformation is undefined. Change b, F or G a little.</source>
        <translation>Nicht neu gezeichnet: Der Kreis geht durch den Ursprung, wo die Abbildung undefiniert ist. Ändern Sie b, F oder G etwas.</translation>
    </message>
    <message>
        <source>Not redrawn: F, G or b is not a number. Type numbers.</source>
        <translation>Nicht neu gezeichnet: F, G oder b ist keine Zahl. Geben Sie Zahlen ein.</translation>
    </message>
    <message>
        <source>Not redrawn: F, G or b is too large. Use smaller values.</source>
        <translation>Nicht neu gezeichnet: F, G oder b ist zu groß. Verwenden Sie kleinere Werte.</translation>
    </message>
    <message>
        <source>Not redrawn: b is too small. Use a value of b farther from 0.</source>
        <translation>Nicht neu gezeichnet: b ist zu klein. Wählen Sie b weiter von 0 entfernt.</translation>
    </message>
    <message>
        <source>Not redrawn: Scale is 0. Type a Scale other than 0.</source>
        <translation>Nicht neu gezeichnet: Scale ist 0. Geben Sie für Scale einen Wert ungleich 0 ein.</translation>
    </message>
    <message>
        <source>Not redrawn: Scale is too large. Type a smaller Scale.</source>
        <translation>Nicht neu gezeichnet: Scale ist zu groß. Geben Sie für Scale einen kleineren Wert ein.</translation>
    </message>
    <message>
        <source>b was not limited: the circle about the stored centre does not reach the x axis.</source>
        <translation>b nicht begrenzt: Der Kreis um den gespeicherten Mittelpunkt trifft die x-Achse nicht.</translation>
    </message>
    <message>
        <source>Show &amp;flow…</source>
        <translation>&amp;Strömung zeigen …</translation>
    </message>
    <message>
        <source>On each move of F, G or b, holds b at or below where the circle as it stood at the last F or G move crosses the positive x axis, so that the trailing edge is nearly sharp.</source>
        <translation>Hält b bei jeder Bewegung von F, G oder b höchstens dort, wo der Kreis, wie er bei der letzten Bewegung von F oder G stand, die positive x-Achse schneidet, sodass die Hinterkante fast spitz wird.</translation>
    </message>
    <message>
        <source>F moves the circle&apos;s centre to the left, in units of b. Typed values take effect on Enter or a click on a plot. Numbers use a point.</source>
        <translation>F verschiebt den Mittelpunkt des Kreises nach links, in Einheiten von b. Getippte Werte wirken nach der Eingabetaste oder einem Klick auf ein Bild. Zahlen schreiben Sie mit Punkt.</translation>
    </message>
    <message>
        <source>G moves the circle&apos;s centre upwards, in units of b. Typed values take effect on Enter or a click on a plot. Numbers use a point.</source>
        <translation>G verschiebt den Mittelpunkt des Kreises nach oben, in Einheiten von b. Getippte Werte wirken nach der Eingabetaste oder einem Klick auf ein Bild. Zahlen schreiben Sie mit Punkt.</translation>
    </message>
    <message>
        <source>b sets the transformation, whose critical points are ±b. Typed values take effect on Enter or a click on a plot. Numbers use a point.</source>
        <translation>b legt die Transformation fest, deren kritische Punkte ±b sind. Getippte Werte wirken nach der Eingabetaste oder einem Klick auf ein Bild. Zahlen schreiben Sie mit Punkt.</translation>
    </message>
</context>
<context>
    <name>wingmap::Form_About</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>wingmap::NoticeText</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 is empty and reads as 0.</source>
        <translation>%1 ist leer und wird als 0 gelesen.</translation>
    </message>
    <message>
        <source>%1 reads as 0: &quot;%2&quot; holds no number.</source>
        <translation>%1 wird als 0 gelesen: „%2“ enthält keine Zahl.</translation>
    </message>
    <message>
        <source>%1 reads as %2: &quot;%3&quot; stops at &quot;%4&quot;.</source>
        <translation>%1 wird als %2 gelesen: „%3“ endet bei „%4“.</translation>
    </message>
    <message>
        <source>Only the leading number counts in %1.</source>
        <translation>In %1 zählt nur die führende Zahl.</translation>
    </message>
    <message>
        <source>Numbers use a point.</source>
        <translation>Zahlen schreiben Sie mit Punkt.</translation>
    </message>
    <message>
        <source>Scale is too near 0 and draws only a dot: type a Scale farther from 0.</source>
        <translation>Scale liegt zu nah an 0 und zeigt nur einen Punkt: Wählen Sie sie weiter von 0.</translation>
    </message>
    <message>
        <source>Check1 holds b by the circle of the last F or G move, not the one drawn: try one step left on the b bar.</source>
        <translation>Check1 begrenzt b am Kreis der letzten F- oder G-Bewegung, nicht am gezeichneten: Versuchen Sie einen Schritt nach links am b-Regler.</translation>
    </message>
</context>
<context>
    <name>wingmap::PaneExports</name>
    <message>
        <source>E&amp;xport profile coordinates…</source>
        <translation>Profilkoordinaten e&amp;xportieren …</translation>
    </message>
    <message>
        <source>Coordinates not exported</source>
        <translation>Koordinaten nicht exportiert</translation>
    </message>
    <message>
        <source>The profile crosses itself, so no outline of it can be written as coordinates. No file was written.

Change F, G or b until the profile no longer crosses itself.</source>
        <translation>Das Profil schneidet sich selbst, daher lässt sich sein Umriss nicht als Koordinaten schreiben. Es wurde keine Datei geschrieben.

Ändern Sie F, G oder b, bis sich das Profil nicht mehr selbst schneidet.</translation>
    </message>
    <message>
        <source>A side of the profile turns back along the chord, so it cannot be written as coordinates of an upper and a lower side. No file was written.

Change F, G or b until neither side turns back.</source>
        <translation>Eine Seite des Profils läuft entlang der Sehne zurück, daher lässt es sich nicht als Koordinaten einer Ober- und einer Unterseite schreiben. Es wurde keine Datei geschrieben.

Ändern Sie F, G oder b, bis keine Seite mehr zurückläuft.</translation>
    </message>
    <message>
        <source>Export profile coordinates</source>
        <translation>Profilkoordinaten exportieren</translation>
    </message>
    <message>
        <source>Airfoil coordinates, Selig format (*.dat)</source>
        <translation>Profilkoordinaten im Selig-Format (*.dat)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Joukowsky profile F=%1 G=%2 b=%3</source>
        <translation>Joukowsky-Profil F=%1 G=%2 b=%3</translation>
    </message>
    <message>
        <source>%1 No file was written.

%2</source>
        <translation>%1 Es wurde keine Datei geschrieben.

%2</translation>
    </message>
</context>
<context>
    <name>wingmap::PictureActions</name>
    <message>
        <source>&amp;Copy picture</source>
        <translation>Bild &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Save picture…</source>
        <translation>Bild &amp;speichern …</translation>
    </message>
</context>
<context>
    <name>wingmap::ProbeText</name>
    <message>
        <source>z = %1 lies inside the circle</source>
        <translation>z = %1 liegt innerhalb des Kreises</translation>
    </message>
    <message>
        <source>ζ = %1 lies inside the profile</source>
        <translation>ζ = %1 liegt innerhalb des Profils</translation>
    </message>
    <message>
        <source>z = %1 ↔ ζ = %2 · |dζ/dz| = %3, turn %4° · q/U = %5 ↔ %6 · Cp = %7 ↔ %8 · ψ = %9 · φ = %10</source>
        <translation>z = %1 ↔ ζ = %2 · |dζ/dz| = %3, Drehung %4° · q/U = %5 ↔ %6 · Cp = %7 ↔ %8 · ψ = %9 · φ = %10</translation>
    </message>
    <message>
        <source>Probe at z = %1, inside the circle.</source>
        <translation>Sonde bei z = %1, innerhalb des Kreises.</translation>
    </message>
    <message>
        <source>Probe at zeta = %1, inside the profile.</source>
        <translation>Sonde bei Zeta = %1, innerhalb des Profils.</translation>
    </message>
    <message>
        <source>Probe at z = %1, its image zeta = %2; the map stretches by %3 and turns by %4 degrees; speed %5 in the circle&apos;s flow and %6 in the profile&apos;s; pressure coefficient %7 and %8; stream function %9; potential %10.</source>
        <translation>Sonde bei z = %1, ihr Bildpunkt Zeta = %2; die Abbildung streckt um %3 und dreht um %4 Grad; Geschwindigkeit %5 in der Strömung um den Kreis und %6 in der um das Profil; Druckbeiwert %7 und %8; Stromfunktion %9; Potential %10.</translation>
    </message>
    <message>
        <source>x/c = %1 · upper side Cp = %2 · lower side Cp = %3</source>
        <translation>x/c = %1 · Oberseite Cp = %2 · Unterseite Cp = %3</translation>
    </message>
    <message>
        <source>At x/c = %1 the pressure coefficient is %2 on the upper side and %3 on the lower side.</source>
        <translation>Bei x/c = %1 ist der Druckbeiwert %2 auf der Oberseite und %3 auf der Unterseite.</translation>
    </message>
</context>
<context>
    <name>wingmap::ProfileWords</name>
    <message>
        <source>The profile could not be measured with these values of F, G and b.</source>
        <translation>Das Profil ließ sich mit diesen Werten von F, G und b nicht vermessen.</translation>
    </message>
    <message>
        <source>Change b, F or G a little.</source>
        <translation>Ändern Sie b, F oder G etwas.</translation>
    </message>
</context>
<context>
    <name>wingmap::ShapeText</name>
    <message>
        <source>The profile crosses itself: it has no thickness or camber.</source>
        <translation>Das Profil schneidet sich selbst: Es hat keine Dicke und keine Wölbung.</translation>
    </message>
    <message>
        <source>A side of the profile turns back along the chord: thickness and camber are undefined.</source>
        <translation>Eine Seite des Profils läuft entlang der Sehne zurück: Dicke und Wölbung sind nicht definiert.</translation>
    </message>
    <message>
        <source>thickness %1 %</source>
        <translation>Dicke %1 %</translation>
    </message>
    <message>
        <source>thickness %1 % at %2 %</source>
        <translation>Dicke %1 % bei %2 %</translation>
    </message>
    <message>
        <source>camber %1 %</source>
        <translation>Wölbung %1 %</translation>
    </message>
    <message>
        <source>camber %1 % at %2 %</source>
        <translation>Wölbung %1 % bei %2 %</translation>
    </message>
    <message>
        <source>chord %1 · %2 · %3</source>
        <translation>Sehne %1 · %2 · %3</translation>
    </message>
    <message>
        <source>Circle of radius %1 about (%2, %3). Critical points at %4 and %5 on the x axis; %5 lies on the circle.</source>
        <translation>Kreis mit Radius %1 um (%2, %3). Kritische Punkte bei %4 und %5 auf der x-Achse; %5 liegt auf dem Kreis.</translation>
    </message>
    <message>
        <source>Circle of radius %1 about (%2, %3). Critical points at %4 and %5 on the x axis; %5 lies inside the circle.</source>
        <translation>Kreis mit Radius %1 um (%2, %3). Kritische Punkte bei %4 und %5 auf der x-Achse; %5 liegt innerhalb des Kreises.</translation>
    </message>
    <message>
        <source>Circle of radius %1 about (%2, %3). Critical points at %4 and %5 on the x axis; %5 lies outside the circle.</source>
        <translation>Kreis mit Radius %1 um (%2, %3). Kritische Punkte bei %4 und %5 auf der x-Achse; %5 liegt außerhalb des Kreises.</translation>
    </message>
</context>
</TS>
