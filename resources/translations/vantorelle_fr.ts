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
</context>
<context>
    <name>ClockFace</name>
    <message>
        <source>Time of day</source>
        <translation>Heure</translation>
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
