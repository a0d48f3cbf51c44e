<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>wingmap::Form1</name>
    <message>
        <source>%1 scroll bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 from %2 to %3: the bar&apos;s value divided by %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The circle in the z-plane, its centre cross and the critical points ±b</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile that the Joukowsky transformation makes of the circle, with the images ±2b of the critical points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>b</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not redrawn: b is 0, so there is nothing to transform. Set b to a value other than 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not redrawn: the circle no longer encloses the origin. Make b, F or G smaller.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not redrawn: the circle passes through the origin, where the transformation is undefined. Change b, F or G a little.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not redrawn: F, G or b is not a number. Type numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not redrawn: F, G or b is too large. Use smaller values.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not redrawn: b is too small. Use a value of b farther from 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not redrawn: Scale is 0. Type a Scale other than 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not redrawn: Scale is too large. Type a smaller Scale.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep b at or below where the circle crosses the positive x axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>b was not limited: the circle about the stored centre does not reach the x axis.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>wingmap::Form_About</name>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>wingmap::PaneExports</name>
    <message>
        <source>&amp;Copy picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save picture…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport profile coordinates…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not written: pictures are saved as PNG or SVG.

Save again with a name that ends in .png or .svg.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coordinates not exported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile crosses itself, so no outline of it can be written as coordinates. No file was written.

Change F, G or b until the profile no longer crosses itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A side of the profile turns back along the chord, so it cannot be written as coordinates of an upper and a lower side. No file was written.

Change F, G or b until neither side turns back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile could not be computed: the circle hardly encloses the origin. No file was written.

Make b, F or G a little smaller.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export profile coordinates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Airfoil coordinates, Selig format (*.dat)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joukowsky profile F=%1 G=%2 b=%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written: %2.

A file of that name, if there was one, has been left as it was. Check that the folder exists, that you may write to it and that the disk has room, then save again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>wingmap::ShapeText</name>
    <message>
        <source>The profile could not be measured: the circle hardly encloses the origin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile crosses itself: it has no thickness or camber.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A side of the profile turns back along the chord: thickness and camber are undefined.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>thickness %1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>thickness %1 % at %2 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>camber %1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>camber %1 % at %2 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chord %1 · %2 · %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circle of radius %1 about (%2, %3). Critical points at %4 and %5 on the x axis; %5 lies on the circle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circle of radius %1 about (%2, %3). Critical points at %4 and %5 on the x axis; %5 lies inside the circle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circle of radius %1 about (%2, %3). Critical points at %4 and %5 on the x axis; %5 lies outside the circle.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
