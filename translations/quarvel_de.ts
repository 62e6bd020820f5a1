<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Quarvel</name>
    <message>
        <source>Localization.White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Localization.Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Localization.Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Localization.Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Localization.Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Localization.GrayShades</source>
        <translation>Graustufen</translation>
    </message>
    <message>
        <source>Localization.ColorShades</source>
        <translation>Farbabstufungen</translation>
    </message>
    <message>
        <source>Localization.Margins</source>
        <translation>Ränder</translation>
    </message>
    <message>
        <source>Localization.Convergency</source>
        <translation>Konvergenz</translation>
    </message>
    <message>
        <source>Localization.Resolution1</source>
        <translation>Bildschärfe I</translation>
    </message>
    <message>
        <source>Localization.Resolution2</source>
        <translation>Bildschärfe II</translation>
    </message>
    <message>
        <source>Localization.PumpEffect</source>
        <translation>Pumpeffekt</translation>
    </message>
    <message>
        <source>Localization.ClockPhase</source>
        <translation>Takt/Phase</translation>
    </message>
    <message>
        <source>Localization.Tracing</source>
        <translation>Nachzieheffekt</translation>
    </message>
    <message>
        <source>Localization.InvTracing</source>
        <translation>Inv. Nachzieheffekt</translation>
    </message>
    <message>
        <source>Localization.Gray25</source>
        <translation>Grau 25&#160;%</translation>
    </message>
    <message>
        <source>Localization.Gray50</source>
        <translation>Grau 50&#160;%</translation>
    </message>
    <message>
        <source>Localization.Gray75</source>
        <translation>Grau 75&#160;%</translation>
    </message>
    <message>
        <source>Localization.GrayGraduations</source>
        <translation>Grauabstufungen</translation>
    </message>
    <message>
        <source>Localization.RedGraduations</source>
        <translation>Rotabstufungen</translation>
    </message>
    <message>
        <source>Localization.GreenGraduations</source>
        <translation>Grünabstufungen</translation>
    </message>
    <message>
        <source>Localization.BlueGraduations</source>
        <translation>Blauabstufungen</translation>
    </message>
    <message>
        <source>Localization.SmpteColorsAnalog</source>
        <translation>SMPTE-Farbbalken analog</translation>
    </message>
    <message>
        <source>Localization.SmpteColorsDigital</source>
        <translation>SMPTE-Farbbalken digital</translation>
    </message>
    <message>
        <source>Localization.OverscanCheck</source>
        <translation>Overscan-Prüfung</translation>
    </message>
    <message>
        <source>Localization.Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Localization.Geometry</source>
        <translation>Geometrie</translation>
    </message>
    <message>
        <source>Localization.Matching</source>
        <translation>Abgleich</translation>
    </message>
    <message>
        <source>Localization.Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Localization.File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Localization.Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Localization.Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Localization.Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Localization.Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Localization.Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Localization.Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Localization.Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Localization.TestPatterns</source>
        <translation>Testbilder</translation>
    </message>
    <message>
        <source>Localization.Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Localization.ShowExplanations</source>
        <translation>Hilfefenster einblenden</translation>
    </message>
    <message>
        <source>Localization.HideExplanations</source>
        <translation>Hilfefenster ausblenden</translation>
    </message>
    <message>
        <source>Localization.AboutQuarvel</source>
        <translation>Über Quarvel…</translation>
    </message>
    <message>
        <source>Localization.Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Localization.Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Localization.AllTests</source>
        <translation>Alle nacheinander</translation>
    </message>
    <message>
        <source>Localization.EscCancels</source>
        <translation>ESC bricht ab!</translation>
    </message>
    <message>
        <source>Localization.ShowHelp</source>
        <translation>Hinweise anzeigen</translation>
    </message>
    <message>
        <source>Localization.AllMonitors</source>
        <translation>Alle Monitore gleichzeitig</translation>
    </message>
    <message>
        <source>Localization.CheckMonitor</source>
        <translation>Monitor prüfen:</translation>
    </message>
    <message>
        <source>Localization.Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Localization.Pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>Localization.Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Localization.About</source>
        <translation>Über Quarvel</translation>
    </message>
    <message>
        <source>Localization.Width_SC</source>
        <translation> (Breite)</translation>
    </message>
    <message>
        <source>Localization.Height_SC</source>
        <translation> (Höhe)</translation>
    </message>
    <message>
        <source>Localization.Thousands</source>
        <translation>Tausende</translation>
    </message>
    <message>
        <source>Localization.Millions</source>
        <translation>Millionen</translation>
    </message>
    <message>
        <source>Localization.OfColors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Localization.NotEnoughMem</source>
        <translation>Leider ist nicht genug freier Arbeitsspeicher vorhanden! Beenden Sie andere Programme und versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>Localization.HtColWhite</source>
        <translation>Prüfen Sie, ob Ihr TFT-Monitor ausschließlich weiße Pixel zeigt.</translation>
    </message>
    <message>
        <source>Localization.HtColBlack</source>
        <translation>Prüfen Sie, ob Ihr TFT-Monitor ausschließlich schwarze Pixel zeigt.</translation>
    </message>
    <message>
        <source>Localization.HtColRed</source>
        <translation>Prüfen Sie Ihren TFT-Monitor auf defekte rote Pixel.</translation>
    </message>
    <message>
        <source>Localization.HtColGreen</source>
        <translation>Prüfen Sie Ihren TFT-Monitor auf defekte grüne Pixel.</translation>
    </message>
    <message>
        <source>Localization.HtColBlue</source>
        <translation>Prüfen Sie Ihren TFT-Monitor auf defekte blaue Pixel.</translation>
    </message>
    <message>
        <source>Localization.HtColGrayShades</source>
        <translation>Prüfen Sie die Graustufen Ihres Monitors. Sehen Sie Unterschiede zwischen benachbarten Abstufungen?</translation>
    </message>
    <message>
        <source>Localization.HtColColorShades</source>
        <translation>Prüfen Sie die Farbwiedergabe Ihres Monitors.</translation>
    </message>
    <message>
        <source>Localization.HtGeoGeometry</source>
        <translation>Stellen Sie die Geometrie Ihres Monitors ein. Alle Quadrate sollten gleich groß sein.</translation>
    </message>
    <message>
        <source>Localization.HtGeoMargins</source>
        <translation>Prüfen Sie, ob das ganze Bild auf Ihren Monitor passt. Stellen Sie Größe und Lage so ein, dass der weiße Rahmen vollständig zu sehen ist.</translation>
    </message>
    <message>
        <source>Localization.HtGeoConvergency</source>
        <translation>Stellen Sie die Konvergenz Ihres Röhrenmonitors so ein, dass Sie scharfe Kreuze mit gutem Kontrast zum weißen Hintergrund sehen. An den schwarzen Linien sollten keine Farbsäume erscheinen.</translation>
    </message>
    <message>
        <source>Localization.HtGeoResolution1</source>
        <translation>Prüfen Sie, ob die 1, 2 und 3 Pixel breiten Lücken zwischen den schwarzen Linien klar zu erkennen sind.</translation>
    </message>
    <message>
        <source>Localization.HtGeoResolution2</source>
        <translation>Prüfen Sie, ob die einzelnen Buchstaben klar zu erkennen sind, ohne verschwommene Kanten oder Farbsäume.</translation>
    </message>
    <message>
        <source>Localization.HtGeoPumpEffect</source>
        <translation>Prüfen Sie, wie sich Ihr Röhrenmonitor beim Wechsel zwischen sehr dunklem und sehr hellem Bild verhält. Ändert sich die Größe des ganzen Bildes? Der äußere weiße Rahmen sollte seine Lage behalten.</translation>
    </message>
    <message>
        <source>Localization.HtGeoClockPhase</source>
        <translation>Mit diesem Testbild stellen Sie Takt und Phase Ihres TFT-Monitors ein. Das Bild sollte so flimmerfrei wie möglich erscheinen.</translation>
    </message>
    <message>
        <source>Localization.HtGeoTracing</source>
        <translation>Prüfen Sie, ob die vier bewegten Punkte eine schwarze Spur auf dem Bildschirm hinterlassen.</translation>
    </message>
    <message>
        <source>Localization.HtGeoInvTracing</source>
        <translation>Prüfen Sie, ob die vier bewegten Punkte eine weiße Spur auf dem Bildschirm hinterlassen.</translation>
    </message>
    <message>
        <source>Localization.HtMatching</source>
        <translation>Gleichen Sie die Farbwiedergabe aller angeschlossenen Monitore aneinander an, indem Sie Helligkeit, Kontrast und die Intensität der Grundfarben behutsam nachstellen.</translation>
    </message>
    <message>
        <source>Localization.HtVideoSmpteColAnalog</source>
        <translation>Prüfen Sie Ihren analogen Videomonitor und stellen Sie ihn ein.</translation>
    </message>
    <message>
        <source>Localization.HtVideoSmpteColDigital</source>
        <translation>Prüfen Sie Ihren digitalen Videomonitor und stellen Sie ihn ein.</translation>
    </message>
    <message>
        <source>Localization.HtVideoOverscanCheck</source>
        <translation>Prüfen Sie, wie weit der Overscan reicht.</translation>
    </message>
    <message>
        <source>Localization.htAllTests</source>
        <translation>Zeigt alle Testbilder der Gruppe nacheinander. Ein Mausklick oder Tastendruck schaltet zum nächsten Testbild weiter. ESC bricht ab!</translation>
    </message>
    <message>
        <source>Localization.htShowHelp</source>
        <translation>Zeigt bei jedem Testbild einige Sekunden lang einen kurzen Hinweis an, was zu prüfen ist.</translation>
    </message>
    <message>
        <source>Localization.htMonitor</source>
        <translation>Arbeiten Sie mit mehreren Monitoren? Hier wählen Sie, welcher Monitor geprüft wird.</translation>
    </message>
    <message>
        <source>Localization.HtAllMonitors</source>
        <translation>Wenn Sie alle angeschlossenen Monitore gleichzeitig prüfen möchten, schalten Sie diese Option ein.</translation>
    </message>
    <message>
        <source>Localization.HtLgDefectivePixels</source>
        <translation>Bitte beachten Sie: Ein TFT-Monitor darf mit einigen defekten Pixeln oder Subpixeln das Werk verlassen und gilt trotzdem als fehlerfrei. Wie viele Pixelfehler jeder Art zulässig sind, gibt der Hersteller an, meist mit der Pixelfehlerklasse des Monitors oder in den Garantiebedingungen. Zeigt Ihr Monitor mehr defekte Pixel als dort erlaubt, haben Sie guten Grund für eine Reklamation.</translation>
    </message>
    <message>
        <source>Localization.HtLgColWhite</source>
        <translation>Das weiße Feld zeigt jedes Pixel des Bildschirms in voller Helligkeit. Für Weiß müssen alle drei Grundfarben, Rot, Grün und Blau, zugleich leuchten; ein Pixel oder Subpixel, das sich nicht einschaltet, fällt daher als dunkler oder farbiger Punkt auf. Sehen Sie sich den ganzen Bildschirm genau an.</translation>
    </message>
    <message>
        <source>Localization.HtLgColBlack</source>
        <translation>Das schwarze Feld schaltet jedes Pixel des Bildschirms ab. Ein Pixel oder Subpixel, das sich nicht abschaltet, leuchtet weiter und zeigt sich als heller oder farbiger Punkt. Ein guter Monitor zeigt ein gleichmäßiges Schwarz von Rand zu Rand, ganz ohne helle Flecken.</translation>
    </message>
    <message>
        <source>Localization.HtLgColRed</source>
        <translation>Der ganze Bildschirm muss gleichmäßig rot leuchten. Achten Sie genau auf dunkle Punkte: Ein Pixel, das auf diesem Feld dunkel bleibt, verrät ein defektes rotes Subpixel, das sich nicht einschaltet.</translation>
    </message>
    <message>
        <source>Localization.HtLgColGreen</source>
        <translation>Der ganze Bildschirm muss gleichmäßig grün leuchten. Achten Sie genau auf dunkle Punkte: Ein Pixel, das auf diesem Feld dunkel bleibt, verrät ein defektes grünes Subpixel, das sich nicht einschaltet.</translation>
    </message>
    <message>
        <source>Localization.HtLgColBlue</source>
        <translation>Der ganze Bildschirm muss gleichmäßig blau leuchten. Achten Sie genau auf dunkle Punkte: Ein Pixel, das auf diesem Feld dunkel bleibt, verrät ein defektes blaues Subpixel, das sich nicht einschaltet.</translation>
    </message>
    <message>
        <source>Localization.HtLgColGrayShades</source>
        <translation>Dieses Testbild zeigt 100 Graustufen von sehr hellem Grau bis Schwarz in Schritten von 1&#160;%. Die Zahl auf jedem Feld gibt an, wie dunkel es ist.

Auf einem gut eingestellten Monitor können Sie jedes Feld von seinen Nachbarn unterscheiden, auch bei den hellsten und den dunkelsten Stufen. Sehen benachbarte Felder gleich aus, stellen Sie Helligkeit und Kontrast Ihres Monitors nach, bis die Unterschiede sichtbar werden.

Für das beste Ergebnis verwenden Sie außerdem ein Farbprofil, das für Ihren Monitor erstellt wurde, damit Ihr System weiß, wie er Grautöne wiedergibt.</translation>
    </message>
    <message>
        <source>Localization.HtLgColColorShades</source>
        <translation>Die Farbabstufungen geben einen groben Eindruck davon, wie Ihr Monitor Farben wiedergibt. Sie zeigen Abstufungen von Rot, Grün und Blau sowie von Cyan, Magenta und Gelb, jeweils von voller Stärke bis hinab zu 10&#160;%, in zehn gleichen Schritten.</translation>
    </message>
    <message>
        <source>Localization.HtLgGeoGeometry</source>
        <translation>Dieses Testbild überzieht den Bildschirm mit einem Raster aus Quadraten, mit einem Kreis in der Mitte, einem großen Kreis über die ganze Bildhöhe und einem Kreis in jeder Ecke.

Messen Sie mehrere Quadrate mit einem Lineal nach, in der Bildmitte und nahe den Rändern und Ecken. Alle Quadrate sollten gleich groß sein und die Kreise rund. Ist das nicht so, korrigieren Sie die Verzerrung mit den Geometrie-Einstellungen Ihres Monitors (Bildgröße, Bildlage, Kissen, Trapez, Drehung).

Quadratisch können die Quadrate nur sein, wenn das Seitenverhältnis der Auflösung dem Seitenverhältnis des Monitors entspricht, zum Beispiel 1280&#160;x&#160;1024 auf einem 5:4-Monitor oder 1920&#160;x&#160;1080 auf einem 16:9-Monitor. Andernfalls wirken sie gestreckt.

Ein TFT-Monitor zeigt nur in seiner nativen Auflösung ein unverzerrtes Bild. Wählen Sie diese Auflösung in den Anzeigeeinstellungen Ihres Systems.</translation>
    </message>
    <message>
        <source>Localization.HtLgGeoMargins</source>
        <translation>Dieses Testbild zeichnet einen weißen Rahmen, ein Pixel breit, auf die äußersten Pixel des Bildschirms. Pfeilspitzen in der Mitte jeder Kante zeigen auf den Rahmen.

Stellen Sie Größe und Lage des Bildes am Monitor so ein, dass alle vier Seiten des Rahmens gerade noch zu sehen sind. Fehlt eine Seite, ist das Bild zu groß oder verschoben; liegt außerhalb des Rahmens ein breiter schwarzer Rand, ist das Bild kleiner als nötig und Sie verschenken einen Teil der Bildfläche.

Ein TFT-Monitor in seiner nativen Auflösung zeigt den ganzen Rahmen ohne jede Einstellung. An einem analogen Eingang findet seine automatische Bildeinstellung meist die richtige Größe und Lage.</translation>
    </message>
    <message>
        <source>Localization.HtLgGeoConvergency</source>
        <translation>Jedes Pixel einer Farbbildröhre besteht aus drei farbigen Leuchtpunkten, Rot, Grün und Blau, die nebeneinander liegen. Drei Elektronenstrahlen bringen sie zum Leuchten, einer für jede Farbe. Die Konvergenz gibt an, wie genau sich die drei Strahlen treffen: Treffen sie die Punkte desselben Pixels, erscheint eine schwarze Linie auf weißem Grund schwarz und scharf. Verfehlen sie einander, bekommt die Linie Farbsäume, rot auf der einen und blau oder grün auf der anderen Seite, und feine Details wirken unscharf.

Dieses Testbild überzieht einen weißen Bildschirm mit kleinen schwarzen Kreuzen, jede Linie ein Pixel breit. Betrachten Sie die Kreuze in der Mitte, an den Rändern und in den Ecken des Bildschirms aus der Nähe.

Sehen Sie Farbsäume, nutzen Sie die Konvergenzeinstellungen Ihres Monitors.
Stellen Sie zuerst die statische Konvergenz ein, die die Farben über den ganzen Bildschirm verschiebt, dann, falls Ihr Monitor sie bietet, die dynamische Konvergenz für Ränder und Ecken. Stellen Sie so lange nach, bis die Kreuze scharf und kontrastreich vor dem weißen Hintergrund stehen und an den schwarzen Linien keine Farbsäume mehr zu sehen sind. Ein leichter Farbsaum in den äußersten Ecken ist bei vielen Röhrenmonitoren normal; am wichtigsten ist die Bildmitte, denn dorthin schauen Sie die meiste Zeit.

Ein TFT-Monitor braucht keine solche Einstellung: Seine Subpixel liegen fest an ihrem Platz, daher ist seine Konvergenz immer perfekt.</translation>
    </message>
    <message>
        <source>Localization.HtLgGeoResolution1</source>
        <translation>Dieses Testbild zeichnet ineinanderliegende schwarze Rechtecke aus 1 Pixel breiten Linien, mit weißen Lücken von 1, 2 und 3 Pixeln dazwischen. Es zeigt, wie scharf das Bild eines Röhrenmonitors ist: Auf einem scharfen Monitor lassen sich jede Linie und jede Lücke unterscheiden, auch die schmalsten.

Verschwimmen die 1-Pixel-Lücken zu Grau, prüfen Sie zuerst die Fokuseinstellung Ihres Monitors, falls er eine hat. Eine niedrigere Auflösung oder Bildwiederholfrequenz ergibt oft ein schärferes Bild, ebenso ein besseres Monitorkabel. Hilft nichts davon, ist die Bildröhre womöglich an der Grenze dessen angelangt, was sie darstellen kann.</translation>
    </message>
    <message>
        <source>Localization.HtLgGeoResolution2</source>
        <translation>Dieses Testbild füllt den Bildschirm mit Textzeilen, an denen Sie die Schärfe beurteilen.

Die Schriftgröße wählen Sie im Auswahlmenü des Hauptfensters.</translation>
    </message>
    <message>
        <source>Localization.HtLgGeoPumpEffect</source>
        <translation>Viele Röhrenmonitore können die Bildgröße nicht halten, wenn sich die Helligkeit des Bildes schnell ändert: Ein helles Bild braucht mehr Leistung, und bei einem schwachen Netzteil wächst oder schrumpft das Bild mit. Man spricht vom Pumpeffekt.

Dieses Testbild wechselt etwa einmal pro Sekunde zwischen einem dunklen und einem hellen Bild. Ein weißer Rahmen auf den äußersten Pixeln des Bildschirms bleibt dabei die ganze Zeit an seinem Platz.

Beobachten Sie den Rahmen genau: Er muss Größe und Lage behalten. Bewegt er sich, verbiegt er sich oder „atmet“ er mit den wechselnden Bildern, zeigt Ihr Monitor den Pumpeffekt und gehört womöglich in die Werkstatt.</translation>
    </message>
    <message>
        <source>Localization.HtLgGeoClockPhase</source>
        <translation>Ein TFT-Monitor an einem analogen Eingang muss das Timing des Signals selbst richtig treffen: Der Takt bestimmt die Zahl der Pixel pro Zeile, die Phase den Zeitpunkt, zu dem jedes Pixel abgetastet wird.

Dieses Testbild füllt den Bildschirm mit einem feinen Raster aus einzelnen Pixeln. Stellen Sie Takt und Phase am Monitor ein, oder nutzen Sie seine automatische Bildeinstellung, bis die graue Fläche ruhig und scharf ist, ohne Flimmern, Streifen oder wandernde Wellen. Stellen Sie zuerst den Takt ein, dann die Phase.

Ein TFT-Monitor an einem digitalen Eingang (DVI, HDMI, DisplayPort) erhält jedes Pixel genau so, wie es gesendet wird, und braucht keine solche Einstellung. Sein Bild ist immer so scharf, wie es seine Auflösung zulässt.</translation>
    </message>
    <message>
        <source>Localization.HtLgGeoTracing</source>
        <translation>Die Pixel eines TFT-Monitors benötigen etwas Zeit, um von einer Helligkeit auf eine andere umzuschalten. Brauchen sie dafür länger als etwa 25&#160;ms, ziehen bewegte Bildinhalte eine Spur hinter sich her: der Nachzieheffekt.

In diesem Testbild bewegen sich vier Punkte gemeinsam über den Bildschirm und prallen an den Bildschirmrändern ab. Beobachten Sie die vier bewegten Punkte genau: Auf einem schnellen Monitor bleiben sie die ganze Zeit sauber und klar.

Sehen Sie hinter ihnen eine Spur, einen Schatten oder Schlieren, ist Ihr Monitor zu langsam. Das spielt bei Videos und Spielen eine weit größere Rolle als bei der Büroarbeit, bei der sich das Bild kaum bewegt.</translation>
    </message>
    <message>
        <source>Localization.HtLgGeoInvTracing</source>
        <translation>Die Pixel eines TFT-Monitors benötigen etwas Zeit, um von einer Helligkeit auf eine andere umzuschalten. Brauchen sie dafür länger als etwa 25&#160;ms, ziehen bewegte Bildinhalte eine Spur hinter sich her: der Nachzieheffekt.

In diesem Testbild bewegen sich vier Punkte gemeinsam über den Bildschirm und prallen an den Bildschirmrändern ab. Beobachten Sie die vier bewegten Punkte genau: Auf einem schnellen Monitor bleiben sie die ganze Zeit sauber und klar.

Sehen Sie hinter ihnen eine Spur, einen Schatten oder Schlieren, ist Ihr Monitor zu langsam. Das spielt bei Videos und Spielen eine weit größere Rolle als bei der Büroarbeit, bei der sich das Bild kaum bewegt.</translation>
    </message>
    <message>
        <source>Localization.HtLgMatching</source>
        <translation>Wenn Sie mit mehreren Monitoren nebeneinander arbeiten, sollten ihre Bilder gleich aussehen. Diese Testbilder helfen Ihnen, die Monitore aneinander anzugleichen.

Stellen Sie zuerst jeden Monitor für sich mit den übrigen Testbildern von Quarvel ein, und erstellen Sie nach Möglichkeit für jeden ein Farbprofil, damit jeder seine Farben richtig zeigt.

Schalten Sie dann „Alle Monitore gleichzeitig“ ein, damit alle Bildschirme zur selben Zeit dasselbe Testbild zeigen, und stellen Sie alle Monitore auf dieselbe Farbtemperatur ein.

Beginnen Sie mit den grauen Flächen: Gleichen Sie Helligkeit und Kontrast der Monitore an, bis die Grautöne auf allen Bildschirmen gleich aussehen. Nehmen Sie dann die Grauabstufungen: Jedes Band sollte auf jedem Monitor denselben Ton zeigen, ohne Farbstich.

Gleichen Sie zum Schluss die Grundfarben mit den Rot-, Grün- und Blauabstufungen an, indem Sie die Intensität jeder Farbe an jedem Monitor behutsam nachstellen, bis die Bänder gleich aussehen.

Urteilen Sie immer nach den Grautönen: Sehen sie überall gleich aus, vom hellsten bis zum dunkelsten, sind die Monitore gut aufeinander abgestimmt.</translation>
    </message>
    <message>
        <source>Localization.HtLgVideoSmpteColAnalog</source>
        <translation>Die SMPTE-Farbbalken sind das Standard-Testbild zum Einstellen von Videomonitoren. Lassen Sie den Monitor vor dem Einstellen mindestens eine Viertelstunde warmlaufen, und stellen Sie das Raumlicht so ein, wie Sie gewöhnlich arbeiten, denn das Auge beurteilt dunkle Grautöne nach ihrer Umgebung.

Helligkeit: Sehen Sie sich die drei kleinen Balken unter dem roten Balken in der unteren Reihe an. Der linke ist dunkler als Schwarz, der mittlere ist schwarz und der rechte etwas heller als Schwarz. Drehen Sie die Helligkeit hoch, bis sich alle drei Balken unterscheiden lassen, dann wieder zurück, bis der linke und der mittlere Balken gleich aussehen, während der rechte gerade noch zu erkennen ist.

Kontrast: Drehen Sie den Kontrast hoch, bis das weiße Feld in der unteren Reihe hell leuchtet, aber nicht so weit, dass es in seine Nachbarn überstrahlt oder das Bild seine Größe ändert. Prüfen Sie danach noch einmal die Helligkeit, denn die beiden Einstellungen beeinflussen sich gegenseitig.

Farbsättigung und Farbton: Schalten Sie Ihren Monitor auf „nur Blau“, falls er diese Betriebsart hat, oder sehen Sie durch einen Blaufilter. Sie sehen dann oben vier helle Balken, jeden über einem kurzen Balken in der Reihe darunter.
Stellen Sie die Farbsättigung so ein, dass die beiden äußeren Balken zu den kurzen Balken darunter passen, dann den Farbton, bis auch die beiden inneren übereinstimmen. Bei einem Monitor ohne Farbtonregler entscheidet die Farbsättigung allein.

Quarvel zeichnet das Testbild in zwei Varianten, die sich nur in den drei kleinen Balken unterscheiden. Die analoge zeigt sie knapp unter Schwarz, bei Schwarz und knapp über Schwarz. Die digitale zeigt sie auf dem niedrigsten Pegel, knapp unter Schwarz und bei Schwarz. Nehmen Sie die Variante, die zum Eingang Ihres Monitors passt, und wiederholen Sie die Schritte, bis sich nichts mehr ändert. Ein so eingestellter Monitor zeigt Videos so, wie sie gedacht sind.</translation>
    </message>
    <message>
        <source>Localization.HtLgVideoSmpteColDigital</source>
        <translation>Die SMPTE-Farbbalken sind das Standard-Testbild zum Einstellen von Videomonitoren. Lassen Sie den Monitor vor dem Einstellen mindestens eine Viertelstunde warmlaufen, und stellen Sie das Raumlicht so ein, wie Sie gewöhnlich arbeiten, denn das Auge beurteilt dunkle Grautöne nach ihrer Umgebung.

Helligkeit: Sehen Sie sich die drei kleinen Balken unter dem roten Balken in der unteren Reihe an. Der linke ist dunkler als Schwarz, der mittlere ist schwarz und der rechte etwas heller als Schwarz. Drehen Sie die Helligkeit hoch, bis sich alle drei Balken unterscheiden lassen, dann wieder zurück, bis der linke und der mittlere Balken gleich aussehen, während der rechte gerade noch zu erkennen ist.

Kontrast: Drehen Sie den Kontrast hoch, bis das weiße Feld in der unteren Reihe hell leuchtet, aber nicht so weit, dass es in seine Nachbarn überstrahlt oder das Bild seine Größe ändert. Prüfen Sie danach noch einmal die Helligkeit, denn die beiden Einstellungen beeinflussen sich gegenseitig.

Farbsättigung und Farbton: Schalten Sie Ihren Monitor auf „nur Blau“, falls er diese Betriebsart hat, oder sehen Sie durch einen Blaufilter. Sie sehen dann oben vier helle Balken, jeden über einem kurzen Balken in der Reihe darunter.
Stellen Sie die Farbsättigung so ein, dass die beiden äußeren Balken zu den kurzen Balken darunter passen, dann den Farbton, bis auch die beiden inneren übereinstimmen. Bei einem Monitor ohne Farbtonregler entscheidet die Farbsättigung allein.

Quarvel zeichnet das Testbild in zwei Varianten, die sich nur in den drei kleinen Balken unterscheiden. Die analoge zeigt sie knapp unter Schwarz, bei Schwarz und knapp über Schwarz. Die digitale zeigt sie auf dem niedrigsten Pegel, knapp unter Schwarz und bei Schwarz. Nehmen Sie die Variante, die zum Eingang Ihres Monitors passt, und wiederholen Sie die Schritte, bis sich nichts mehr ändert. Ein so eingestellter Monitor zeigt Videos so, wie sie gedacht sind.</translation>
    </message>
    <message>
        <source>Localization.HtLgVideoOverscan</source>
        <translation>Die meisten Videomonitore und Fernseher zeigen nicht das ganze Bild: Sie vergrößern es ein wenig und schneiden seine Ränder ab, damit der unsaubere Rand des Videosignals verborgen bleibt. Man nennt das Overscan.

Dieses Testbild zeichnet zehn ineinanderliegende Rahmen. Der äußerste Rahmen liegt am Rand des vollen Signals und ist mit 0&#160;% beschriftet; jeder weitere liegt um 1&#160;% der Breite und Höhe weiter innen. Die kleinste Zahl, die Sie auf jeder Seite noch lesen können, zeigt Ihnen, wie viel Ihr Monitor auf dieser Seite vom Bild abschneidet.

Mit dem Auswahlmenü im Hauptfenster schalten Sie die Beschriftung von Prozent auf Pixel um; sie gibt dann die Pixelkoordinate jeder Seite an. Kann Ihr Monitor den Overscan abschalten oder hat er einen Underscan-Modus, probieren Sie es aus: Der äußerste Rahmen sollte dann auf allen vier Seiten sichtbar werden. Bedenken Sie, dass Text und Titel nahe den Rändern auf Monitoren mit großem Overscan verloren gehen können, und dass die meisten Videos mit Rücksicht darauf gestaltet werden.</translation>
    </message>
</context>
</TS>
