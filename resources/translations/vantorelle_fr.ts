<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CameraFinder</name>
    <message>
        <source>Connect your camera</source>
        <translation>Connectez votre caméra</translation>
    </message>
    <message>
        <source>Its settings open as soon as its card appears on this computer.</source>
        <translation>Ses réglages s’ouvrent dès que sa carte apparaît sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Choose a camera</source>
        <translation>Choisissez une caméra</translation>
    </message>
    <message>
        <source>Connected cameras</source>
        <translation>Caméras connectées</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Firmware %1</source>
        <translation>Firmware %1</translation>
    </message>
    <message>
        <source>%1 free</source>
        <translation>%1 libres</translation>
    </message>
    <message>
        <source>open in a window</source>
        <translation>ouverte dans une fenêtre</translation>
    </message>
</context>
<context>
    <name>ClockFace</name>
    <message>
        <source>Time of day</source>
        <translation>Heure</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>vantorelle: the window needs a graphical session; &quot;vantorelle --help&quot; lists the commands, which need none.
</source>
        <translation>vantorelle: la fenêtre a besoin d’une session graphique&#xa0;; «&#xa0;vantorelle --help&#xa0;» liste les commandes, qui n’en ont pas besoin.
</translation>
    </message>
    <message>
        <source>
Commands (they need no display and never open a window):
  list              One line per connected camera: its folder, firmware
                    and free space, separated by tabs. With --json, an
                    array of objects: folder, label, firmware, bytesFree,
                    bytesTotal and formatRequest.
  get               The camera&apos;s settings, one key=value line each. With
                    --json, one object with the same keys.
  set KEY=VALUE...  Changes settings as the window&apos;s buttons do (burst
                    shoots at 5MP) and saves each camera&apos;s file once.
  apply FILE        Sets what FILE holds, in the form get prints; - reads
                    standard input. The clock and firmware lines are
                    passed over, so this copies camera A&apos;s settings to
                    every connected camera:
                      vantorelle get --volume A | vantorelle apply - --all
  sync-clock        Sets the camera&apos;s clock to the computer&apos;s local time.
Without --volume or --all a command works on the one connected camera.

Settings:
</source>
        <translation>
Commandes (sans affichage requis, elles n’ouvrent jamais de fenêtre)&#xa0;:
  list              Une ligne par caméra connectée&#xa0;: son dossier, son firmware
                    et son espace libre, séparés par des tabulations. Avec
                    --json, un tableau d’objets&#xa0;: folder, label, firmware,
                    bytesFree, bytesTotal et formatRequest.
  get               Les réglages de la caméra, une ligne key=value par
                    réglage. Avec --json, un objet avec les mêmes clés.
  set KEY=VALUE...  Modifie des réglages comme le font les boutons de la
                    fenêtre (la rafale photographie en 5MP) et enregistre une
                    seule fois le fichier de chaque caméra.
  apply FILE        Applique les réglages que contient FILE, sous la forme
                    qu’affiche get&#xa0;; avec - lit l’entrée standard. Les lignes
                    de l’horloge et du firmware sont ignorées&#xa0;: ceci copie
                    donc les réglages de la caméra A sur toutes les caméras
                    connectées&#xa0;:
                      vantorelle get --volume A | vantorelle apply - --all
  sync-clock        Règle l’horloge de la caméra sur l’heure locale de
                    l’ordinateur.
Sans --volume ni --all, une commande agit sur l’unique caméra connectée.

Réglages&#xa0;:
</translation>
    </message>
    <message>
        <source>  %1 (read only)
</source>
        <translation>  %1 (lecture seule)
</translation>
    </message>
    <message>
        <source>
Exit status: 0 done; 1 a camera could not be read or changed; 2 usage error,
and then nothing was written.
</source>
        <translation>
Code de sortie&#xa0;: 0 terminé&#xa0;; 1 une caméra n’a pas pu être lue ou modifiée&#xa0;;
2&#xa0;erreur d’utilisation, et rien n’a alors été écrit.
</translation>
    </message>
    <message>
        <source>vantorelle: %1
Try &quot;vantorelle --help&quot; for more.
</source>
        <translation>vantorelle: %1
Essayez «&#xa0;vantorelle --help&#xa0;» pour en savoir plus.
</translation>
    </message>
    <message>
        <source>Edits the settings of a connected action camera.
Without a command it opens its window.</source>
        <translation>Modifie les réglages d’une caméra sport connectée.
Sans commande, ouvre sa fenêtre.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Use the camera whose card is mounted at &lt;path&gt;. set, apply and sync-clock take it more than once.</source>
        <translation>Utiliser la caméra dont la carte est montée sur &lt;chemin&gt;. set, apply et sync-clock l’acceptent plusieurs fois.</translation>
    </message>
    <message>
        <source>path</source>
        <translation>chemin</translation>
    </message>
    <message>
        <source>With set, apply or sync-clock: every connected camera.</source>
        <translation>Avec set, apply ou sync-clock&#xa0;: toutes les caméras connectées.</translation>
    </message>
    <message>
        <source>With list or get: print JSON, for scripts.</source>
        <translation>Avec list ou get&#xa0;: afficher du JSON, pour les scripts.</translation>
    </message>
    <message>
        <source>command</source>
        <translation>commande</translation>
    </message>
    <message>
        <source>One of the commands below.</source>
        <translation>L’une des commandes ci-dessous.</translation>
    </message>
    <message>
        <source>[command [arguments]]</source>
        <translation>[commande [arguments]]</translation>
    </message>
    <message>
        <source>--%1 goes with a command.</source>
        <translation>--%1 s’utilise avec une commande.</translation>
    </message>
    <message>
        <source>The window shows one camera: give --volume once.</source>
        <translation>La fenêtre affiche une seule caméra&#xa0;: indiquez --volume une seule fois.</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>Commande inconnue&#xa0;: %1</translation>
    </message>
    <message>
        <source>Wrong number of arguments for %1.</source>
        <translation>Nombre d’arguments incorrect pour %1.</translation>
    </message>
    <message>
        <source>list looks for the cameras itself.</source>
        <translation>list cherche elle-même les caméras.</translation>
    </message>
    <message>
        <source>%1 takes one camera.</source>
        <translation>%1 n’accepte qu’une seule caméra.</translation>
    </message>
    <message>
        <source>Give either --volume or --all.</source>
        <translation>Indiquez soit --volume, soit --all.</translation>
    </message>
    <message>
        <source>--json goes with list or get.</source>
        <translation>--json s’utilise avec list ou get.</translation>
    </message>
    <message>
        <source>%1 is no camera: it holds no readable ActionConfig.</source>
        <translation>%1 n’est pas une caméra&#xa0;: aucun ActionConfig lisible ne s’y trouve.</translation>
    </message>
    <message>
        <source>standard output could not be written: %1.</source>
        <translation>impossible d’écrire sur la sortie standard&#xa0;: %1.</translation>
    </message>
    <message>
        <source>not of the form key=value</source>
        <translation>pas de la forme key=value</translation>
    </message>
    <message>
        <source>no such setting</source>
        <translation>réglage inconnu</translation>
    </message>
    <message>
        <source>the firmware version can only be read</source>
        <translation>la version du firmware est en lecture seule</translation>
    </message>
    <message>
        <source>the clock is written YYYY-MM-DD HH:MM:SS</source>
        <translation>l’horloge s’écrit YYYY-MM-DD HH:MM:SS</translation>
    </message>
    <message>
        <source>not text</source>
        <translation>pas du texte</translation>
    </message>
    <message>
        <source>burst shoots at 5MP only (choose photo.mode=single or time-lapse with it)</source>
        <translation>la rafale photographie uniquement en 5MP (avec cette résolution, choisissez photo.mode=single ou time-lapse)</translation>
    </message>
    <message>
        <source>no such date and time</source>
        <translation>date et heure inexistantes</translation>
    </message>
    <message>
        <source>the camera&apos;s clock runs from 2013-01-01 00:00:00 to 2037-12-31 23:59:59</source>
        <translation>l’horloge de la caméra va du 2013-01-01 00:00:00 au 2037-12-31 23:59:59</translation>
    </message>
    <message>
        <source>not a value this setting can take</source>
        <translation>valeur impossible pour ce réglage</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>ligne %1&#xa0;: </translation>
    </message>
    <message>
        <source>%1 is given twice.</source>
        <translation>%1 est indiqué deux fois.</translation>
    </message>
    <message>
        <source>the value is one of %1</source>
        <translation>la valeur doit être l’une des suivantes&#xa0;: %1</translation>
    </message>
    <message>
        <source>photo</source>
        <translation>photo</translation>
    </message>
    <message>
        <source>video</source>
        <translation>vidéo</translation>
    </message>
    <message>
        <source>general</source>
        <translation>générale</translation>
    </message>
    <message>
        <source>its ActionConfig cannot be read.</source>
        <translation>son ActionConfig est illisible.</translation>
    </message>
    <message>
        <source>its ActionConfig is being changed by another program; nothing was saved.</source>
        <translation>son ActionConfig est en cours de modification par un autre programme&#xa0;; rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>its ActionConfig has no %1 line, so %2 cannot be set.</source>
        <translation>son ActionConfig n’a pas de ligne %1, donc %2 ne peut pas être réglé.</translation>
    </message>
    <message>
        <source>its ActionConfig is write-protected.</source>
        <translation>son ActionConfig est protégé en écriture.</translation>
    </message>
    <message>
        <source>its ActionConfig could not be saved: %1.</source>
        <translation>son ActionConfig n’a pas pu être enregistré&#xa0;: %1.</translation>
    </message>
    <message>
        <source>its ActionConfig could not be saved.</source>
        <translation>son ActionConfig n’a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>No camera is connected.</source>
        <translation>Aucune caméra n’est connectée.</translation>
    </message>
    <message>
        <source>%1: its ActionConfig cannot be read.</source>
        <translation>%1&#xa0;: son ActionConfig est illisible.</translation>
    </message>
    <message>
        <source>%1 cameras are connected; name one with --volume:</source>
        <translation>%1 caméras sont connectées&#xa0;; indiquez-en une avec --volume&#xa0;:</translation>
    </message>
    <message>
        <source>%1 cameras are connected; name one with --volume, or use --all:</source>
        <translation>%1 caméras sont connectées&#xa0;; indiquez-en une avec --volume ou utilisez --all&#xa0;:</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>l’entrée standard</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>Impossible de lire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 is too long for settings.</source>
        <translation>%1&#xa0;: contenu trop long pour des réglages.</translation>
    </message>
    <message>
        <source>%1 holds no settings.</source>
        <translation>%1 ne contient aucun réglage.</translation>
    </message>
    <message>
        <source>The computer&apos;s clock says %1, which the camera&apos;s clock cannot hold: it runs from 2013 to 2037.</source>
        <translation>L’horloge de l’ordinateur indique %1, ce que l’horloge de la caméra ne peut pas représenter&#xa0;: elle va de 2013 à 2037.</translation>
    </message>
</context>
<context>
    <name>DateTimePage</name>
    <message>
        <source>Camera date and time</source>
        <translation>Date et heure de la caméra</translation>
    </message>
    <message>
        <source>Sync with computer</source>
        <translation>Synchroniser avec PC</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Camera Settings</source>
        <translation>Réglages de la caméra</translation>
    </message>
    <message>
        <source>Set up a USB action camera: photo, video, clock and power settings</source>
        <translation>Configurer une caméra d’action USB : réglages photo, vidéo, horloge et alimentation</translation>
    </message>
    <message>
        <source>camera;action camera;SD card;photo;video;time-lapse;</source>
        <translation>caméra;caméra d’action;carte SD;photo;vidéo;accéléré;</translation>
    </message>
    <message>
        <source>Set up a USB action camera from the computer</source>
        <translation>Configurer une caméra d’action USB depuis l’ordinateur</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays version information.</source>
        <translation>Afficher les informations de version.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Option inconnue &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Options inconnues&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valeur manquante après &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valeur inattendue après &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[options]</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Utilisation&#xa0;: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options&#xa0;:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Arguments&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Tavik_CamAppDelegate</name>
    <message>
        <source>ON</source>
        <translation>OUI</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NON</translation>
    </message>
    <message>
        <source>Open the maker&apos;s web site</source>
        <translation>Ouvrir le site web du fabricant</translation>
    </message>
    <message>
        <source>Open the maker&apos;s Facebook page</source>
        <translation>Ouvrir la page Facebook du fabricant</translation>
    </message>
    <message>
        <source>Open the maker&apos;s Twitter page</source>
        <translation>Ouvrir la page Twitter du fabricant</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Tout réinitialiser</translation>
    </message>
    <message>
        <source>All camera settings will be reset</source>
        <translation>Tous les réglages de la caméra seront réinitialisés.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formater</translation>
    </message>
    <message>
        <source>Do you want format you SD card?</source>
        <translation>Toutes les photos et vidéos de la carte seront effacées au prochain démarrage de la caméra. Voulez-vous formater la carte SD ?</translation>
    </message>
    <message>
        <source>Connection failed.  Please connect your camera.</source>
        <translation>Échec de la connexion. Veuillez brancher votre caméra.</translation>
    </message>
    <message>
        <source> 5 sec</source>
        <translation> 5 s</translation>
    </message>
    <message>
        <source> 10 sec</source>
        <translation> 10 s</translation>
    </message>
    <message>
        <source> 30 sec</source>
        <translation> 30 s</translation>
    </message>
    <message>
        <source> 60 sec</source>
        <translation> 60 s</translation>
    </message>
    <message>
        <source>The card is not responding.</source>
        <translation>La carte ne répond pas.</translation>
    </message>
    <message>
        <source>please disconnect your camera from PC immediately to ensure the date&amp;time is set correctly</source>
        <translation>Débranchez immédiatement la caméra de l&apos;ordinateur pour que la date et l&apos;heure soient bien enregistrées.</translation>
    </message>
    <message>
        <source>Photo resolution</source>
        <translation>Résolution photo</translation>
    </message>
    <message>
        <source>Capture mode</source>
        <translation>Mode de prise de vue</translation>
    </message>
    <message>
        <source>Full HD video</source>
        <translation>Vidéo Full HD</translation>
    </message>
    <message>
        <source>HD video</source>
        <translation>Vidéo HD</translation>
    </message>
    <message>
        <source>TV system</source>
        <translation>Système TV</translation>
    </message>
    <message>
        <source>Light frequency</source>
        <translation>Fréquence secteur</translation>
    </message>
    <message>
        <source>Auto power-off</source>
        <translation>Arrêt automatique</translation>
    </message>
    <message>
        <source>Auto rotation</source>
        <translation>Rotation automatique</translation>
    </message>
    <message>
        <source>Time-lapse interval</source>
        <translation>Intervalle de prise de vue</translation>
    </message>
    <message>
        <source>The card&apos;s settings file has no line for some of these settings, so they were not changed.</source>
        <translation>Le fichier de réglages de la carte n’a pas de ligne pour certains de ces réglages : ils n’ont pas été modifiés.</translation>
    </message>
    <message>
        <source>The card&apos;s settings file has no line for this setting.</source>
        <translation>Le fichier de réglages de la carte n’a pas de ligne pour ce réglage.</translation>
    </message>
    <message>
        <source>Another program is changing the settings on the card.</source>
        <translation>Un autre programme modifie les réglages de la carte.</translation>
    </message>
    <message>
        <source>Burst shoots at 5MP</source>
        <translation>La rafale photographie en 5MP</translation>
    </message>
    <message>
        <source>Firmware %1</source>
        <translation>Firmware %1</translation>
    </message>
    <message>
        <source>%1 free on the card</source>
        <translation>Carte&#xa0;: %1 libres</translation>
    </message>
    <message>
        <source>The settings on the card could not be read.</source>
        <translation>Les réglages de la carte n&apos;ont pas pu être lus.</translation>
    </message>
    <message>
        <source>The card is write-protected.</source>
        <translation>La carte est protégée en écriture.</translation>
    </message>
    <message>
        <source>The card is full.</source>
        <translation>La carte est pleine.</translation>
    </message>
    <message>
        <source>The card could not be written.</source>
        <translation>Impossible d&apos;écrire sur la carte.</translation>
    </message>
    <message>
        <source>The change was not saved.</source>
        <translation>La modification n&apos;a pas été enregistrée.</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>Échec de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>The card has no DCIM folder yet: the camera makes it with its first photo or video.</source>
        <translation>La carte n’a pas encore de dossier DCIM&#xa0;: la caméra le crée avec la première photo ou vidéo.</translation>
    </message>
    <message>
        <source>Nothing on this computer opens folders. The photos and videos are in %1.</source>
        <translation>Rien sur cet ordinateur n’ouvre les dossiers. Les photos et vidéos se trouvent dans %1.</translation>
    </message>
    <message>
        <source>No web browser on this computer opened %1.</source>
        <translation>Aucun navigateur de cet ordinateur n’a ouvert %1.</translation>
    </message>
</context>
<context>
    <name>VantorelleWindow</name>
    <message>
        <source>vantorelle</source>
        <translation>vantorelle</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>Twitter</source>
        <translation>Twitter</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>TV system</source>
        <translation>Système TV</translation>
    </message>
    <message>
        <source>PAL</source>
        <translation>PAL</translation>
    </message>
    <message>
        <source>NTSC</source>
        <translation>NTSC</translation>
    </message>
    <message>
        <source>Light frequency</source>
        <translation>Fréquence secteur</translation>
    </message>
    <message>
        <source>50 Hz</source>
        <translation>50 Hz</translation>
    </message>
    <message>
        <source>60 Hz</source>
        <translation>60 Hz</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Auto power-off</source>
        <translation>Arrêt automatique</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>1 min</source>
        <translation>1 min</translation>
    </message>
    <message>
        <source>3 min</source>
        <translation>3 min</translation>
    </message>
    <message>
        <source>Auto rotation</source>
        <translation>Rotation auto</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NON</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>OUI</translation>
    </message>
    <message>
        <source>Camera clock</source>
        <translation>Horloge caméra</translation>
    </message>
    <message>
        <source>Date and time…</source>
        <translation>Date et heure…</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Format SD</source>
        <translation>Formater SD</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>16MP</source>
        <translation>16MP</translation>
    </message>
    <message>
        <source>5MP</source>
        <translation>5MP</translation>
    </message>
    <message>
        <source>3MP</source>
        <translation>3MP</translation>
    </message>
    <message>
        <source>VGA</source>
        <translation>VGA</translation>
    </message>
    <message>
        <source>Capture mode</source>
        <translation>Prise de vue</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Vue par vue</translation>
    </message>
    <message>
        <source>Burst</source>
        <translation>Rafale</translation>
    </message>
    <message>
        <source>Time-lapse</source>
        <translation>Accéléré</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Full HD</source>
        <translation>Full HD</translation>
    </message>
    <message>
        <source>1080p</source>
        <translation>1080p</translation>
    </message>
    <message>
        <source>960p</source>
        <translation>960p</translation>
    </message>
    <message>
        <source>HD</source>
        <translation>HD</translation>
    </message>
    <message>
        <source>720p 60</source>
        <translation>720p 60</translation>
    </message>
    <message>
        <source>720p 30</source>
        <translation>720p 30</translation>
    </message>
    <message>
        <source>The card will be erased when the camera next starts</source>
        <translation>La carte sera effacée au prochain démarrage de la caméra</translation>
    </message>
    <message>
        <source>Cancel format request</source>
        <translation>Annuler le formatage</translation>
    </message>
</context>
</TS>
