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
        <source>Keep b at or below where the circle crosses the positive x axis</source>
        <translation>b höchstens bis zu der Stelle wählen, an der der Kreis die positive x-Achse schneidet</translation>
    </message>
    <message>
        <source>b was not limited: the circle about the stored centre does not reach the x axis.</source>
        <translation>b nicht begrenzt: Der Kreis um den gespeicherten Mittelpunkt trifft die x-Achse nicht.</translation>
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
    <name>wingmap::PaneExports</name>
    <message>
        <source>&amp;Copy picture</source>
        <translation>Bild &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Save picture…</source>
        <translation>Bild &amp;speichern …</translation>
    </message>
    <message>
        <source>E&amp;xport profile coordinates…</source>
        <translation>Profilkoordinaten e&amp;xportieren …</translation>
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
        <source>The profile could not be computed with these values of F, G and b. No file was written.

Change b, F or G a little.</source>
        <translation>Das Profil ließ sich mit diesen Werten von F, G und b nicht berechnen. Es wurde keine Datei geschrieben.

Ändern Sie b, F oder G ein wenig.</translation>
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
    <message>
        <source>The profile could not be measured with these values of F, G and b.</source>
        <translation>Das Profil ließ sich mit diesen Werten von F, G und b nicht vermessen.</translation>
    </message>
</context>
</TS>
