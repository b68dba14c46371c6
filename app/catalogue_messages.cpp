#include "app/catalogue_tables.h"

namespace vokabi::catalogue {

namespace {

constexpr MessageEntry kMessages[] = {
    {0, {"", "", "", "", "", "", ""}},
    {1,
     {
         "Не може да вземе настройките на речника.",
         "Could not get dictionary settings.",
         "N'a pas pu obtenir des arrangements de dictionnaire.",
         "Konnte nicht Wцrterbucheinstellungen erhalten.",
         "No podнa conseguir ajustes del diccionario",
         "Non ha potuto ottenere le regolazioni del dizionario.",
         "Не в состоянии получить установки словаря.",
     }},
    {2,
     {
         "Липсва необходим речников файл.",
         "Missing dictionary file.",
         "Dossier de dictionnaire manquant.",
         "Fehlende Wцrterbuchakte",
         "Archivo de diccionario que falta.",
         "Archivio dizionario di sig.na.",
         "Словарный файл не найден.",
     }},
    {3,
     {
         "Не може да преведе посочената дума.",
         "Could not translate this word/phrase.",
         "N'a pas pu traduire ce mot.",
         "Konnte nicht dieses Wort ьbersetzen.",
         "No podнa traducir este palabra.",
         "Non ha potuto tradurre questo Parola.",
         "Не в состоянии перевести это слово.",
     }},
    {4,
     {
         "Няма въведена дума за превод.",
         "There are no word/phrase for translation.",
         "Lа ne sont aucun mot pour la traduction.",
         "Dort sind kein Wort fьr Ьbersetzung.",
         "Allн no es ningъn palabra para la traducciуn.",
         "Lа и Parola per la traduzione.",
         "Нет никакое слово для перевода.",
     }},
    {5,
     {
         "Въведената дума не е открита.",
         "Entered word/phrase not found.",
         "A йcrit word/phrase non trouvй.",
         "Trug nicht gefundenes Wort.",
         "Incorporу palabra no encontrado.",
         "Ha entrato in Parola non trovato.",
         "Вписано слово не найденно.",
     }},
    {6,
     {
         "Думата не може да бъде довършена.",
         "Word could not be completed.",
         "Mot n'a pas pu кtre accomplie.",
         "Wort konnte nicht durchgefьhrt werden.",
         "Palabra no se podнa terminar.",
         "Parola non ha potuto essere completato.",
         "Слово не в состоянии быть завершено.",
     }},
    {7,
     {
         "Не може да бъде показана предната преведена дума.",
         "Could not show previous translated word.",
         "N'a pas pu montrer le mot traduit prйcйdent.",
         "Konnte nicht vorhergehendes ьbersetztes Wort zeigen.",
         "No podнa demostrar palabra traducida anterior.",
         "Non ha potuto mostrare la parola tradotta precedente.",
         "Не в состоянии показать ранее переведенное слово.",
     }},
    {8,
     {
         "Грешка в речниковата база, преинсталирайте базите с думи.",
         "Error in dictionary base, please reinstall base.",
         "Erreur dans la base de dictionnaire, rйinstallent svp la base.",
         "Stцrung in der Wцrterbuchunterseite, installieren bitte Unterseite.",
         "Error en base del diccionario, reinstala por favor la base.",
         "Errore nella base del dizionario, reinstalla prego la base.",
         "Ошибка в основании словаря, пожалуйста заново устанавливает основание.",
     }},
    {9,
     {
         "Разминаване в версиите на речниковата база, преинсталирайте базите с думи.",
         "File version error. Please reinstall base.",
         "Erreur de version de dossier. Veuillez rйinstaller la base.",
         "Akte Version Stцrung. Installieren Sie bitte Unterseite.",
         "Error de la versiуn del archivo. Reinstale por favor la base.",
         "Errore di versione della lima. Reinstalli prego la base.",
         "Ошибка варианта архива. Пожалуйста заново установите основание.",
     }},
    {10,
     {
         "Няма инсталирани речникови бази.",
         "There are no installed dictionary bases.",
         "Lа ne sont aucune base installйe de dictionnaire.",
         "Dort sind keine angebrachten Wцrterbuchunterseiten.",
         "Allн no es ninguna base instalada del diccionario.",
         "Lа и basi installate del dizionario.",
         "Нет никакие установленные основания словаря.",
     }},
    {11,
     {
         "Не може да отвори регистъра.",
         "Error while trying to open registry.",
         "Erreur tout en essayant d'ouvrir l'enregistrement..",
         "Stцrung, beim Versuchen, Register zu цffnen.",
         "Error mientras que intenta abrir registro.",
         "Errore mentre provando ad aprire registrazione.",
         "Ошибка пока пытающся для того чтобы раскрыть регистратуру.",
     }},
    {12,
     {
         "Списъка с думите е от друг речник и избраната дума не е открита. Моля превключете "
         "речниците за да преведете думата.",
         "List with words is from other dictionary and selected word was not found. Please switch "
         "dictionary to translate word.",
         "Liste avec des mots est de l'autre dictionnaire et le mot choisi n'a pas йtй trouvй. "
         "Veuillez commuter le dictionnaire pour traduire le mot.",
         "Liste mit Wцrtern ist von anderem Wцrterbuch und vorgewдhltes Wort wurde nicht gefunden. "
         "Schalten Sie bitte Wцrterbuch, um Wort zu ьbersetzen.",
         "Lista con palabras es del otro diccionario y la palabra seleccionada no fue encontrada. "
         "Cambie por favor el diccionario para traducir palabra.",
         "Lista con le parole proviene dall'altro dizionario e la parola selezionata non и stata "
         "trovata. Commuti prego il dizionario per tradurre la parola.",
         "Список с словами от другого словаря и выбранное слово не было найдено. Пожалуйста "
         "переключите словарь для того чтобы перевести слово.",
     }},
    {1000,
     {
         "Некоректен Индекс на езика на речника (LangID; Return Function Ezik_to_CharSet) ! ",
         "Incorrect index of dictionary (LangID; Return Function Ezik_to_CharSet) ! ",
         "Index incorrect de dictionnaire (LangID ; Fonction De retour Ezik_to_CharSet) ! ",
         "Falscher Index des Wцrterbuches (LangID; Rьckholfunktion Ezik_to_CharSet)! ",
         "Нndice incorrecto del diccionario (LangID; ЎFunciуn De vuelta Ezik_to_CharSet)! ",
         "Indice errato del dizionario (LangID; Funzione Di ritorno Ezik_to_CharSet)! ",
         "Неправильний индекс словаря (LangID; Возвращенная Функция Ezik_to_CharSet)! ",
     }},
    {2000,
     {
         "Внимание! Избрания шрифт не поддържа\r\n"
         "коректно визуализиране на заложения език на речника.\r\n"
         "Моля изберете друг шрифт или език.",
         "Attention! Selected font not support\r\n"
         "correct visualisation of selected language.\r\n"
         "Please choose other font or language.",
         " Attention ! Appui choisi de police pas \r\n"
         " visualisation correcte de langue choisie.\r\n"
         "choisissent svp l'autre police ou langue.",
         "Aufmerksamkeit! Vorgewдhlte Unterstьtzung des Schriftkegels nicht \r\n"
         " korrekte Sichtbarmachung der vorgewдhlten Sprache.\r\n"
         "bitte anderen Schriftkegel oder Sprache.",
         "Atenciуn! Ayuda seleccionada de la fuente no \r\n"
         " visualizaciуn correcta de la lengua seleccionada.\r\n"
         "elige por favor la otra fuente o lengua.",
         "Attenzione! Supporto selezionato della serie completa di caratteri non \r\n"
         " visualizzazione corretta della lingua selezionata.\r\n"
         "sceglie prego l'altra serie completa di caratteri o lingua.",
         " Внимание! Выбранная купель неподдержить \r\n"
         " правильно визуализирование выбранного языка.\r\n"
         "пожалуйста выбирите другие купель или язык.",
     }},
    {3000,
     {
         "Внимание! Настроения принтер не е открит! \r\n"
         "Моля изберете нов принтер от менюто с настройки.",
         "Attention! Selected printer not found! \r\n"
         "Please choose new printer from setup menu.",
         "Attention ! Imprimeur choisi non trouvй ! \r\n"
         " choisissent svp le nouvel imprimeur du menu d'installation.",
         "Aufmerksamkeit! Vorgewдhlter Drucker nicht gefunden! \r\n"
         " bitte neuen Drucker vom Einstellung Menь.",
         "Atenciуn! ЎImpresora seleccionada no encontrada! \r\n"
         " elige por favor la mpresora nueva del menъ de la disposiciуn.",
         "Attenzione! Stampatore selezionato non trovato! \r\n"
         " sceglie prego il nuovo stampatore dal menu di messa a punto.",
         "Внимание! Выбранный принтер ненайден! \r\n"
         " Пожалуйста выбирите новый принтер от меню установки.",
     }},
    {3001,
     {
         "Не може да отпечата думата и превода!",
         "Could not print word/phrase and translation!",
         "N'a pas pu imprimer mot et traduction!",
         "Konnte nicht Wort und Ьbersetzung drucken!",
         "No podнa imprimir palabra y la traducciуn!",
         "Non ha potuto stampare parola e la traduzione!",
         "Не в состоянии напечатать слово и перевод!",
     }},
    {3002,
     {
         "Няма превод за отпечатване. Действието отменено.",
         "There are no translation to print. Action canceled.",
         "Lа ne sont aucune traduction а imprimer. Action dйcommandйe.",
         "Dort sind keine Ьbersetzung, zum zu drucken. Tдtigkeit annulliert.",
         "Allн no es ninguna traducciуn a imprimir. Acciуn cancelada.",
         "Lа и traduzione da stampare. Azione annullata.",
         "Нет никакой перевод, котор нужно напечатать. Действие отменено.",
     }},
    {1001,
     {
         "На тази позиция няма дума от речника.",
         "There is no entry at this position.",
         "Il n'y a aucune entrйe а cette position.",
         "An dieser Stelle beginnt kein Eintrag.",
         "No hay ninguna entrada en esta posiciуn.",
         "Non c'и nessuna voce in questa posizione.",
         "В этой позиции нет словарной статьи.",
     }},
    {1101,
     {
         "Настройките не можаха да бъдат записани; запазени са предишните.",
         "The settings could not be saved; the ones saved before are kept.",
         "Les rйglages n'ont pas pu кtre enregistrйs ; les prйcйdents sont conservйs.",
         "Die Einstellungen konnten nicht gespeichert werden; die vorherigen bleiben erhalten.",
         "No se pudo guardar la configuraciуn; se conserva la anterior.",
         "Non и stato possibile salvare le impostazioni; restano quelle precedenti.",
         "Не удалось сохранить настройки; сохранены прежние.",
     }},
    {1102,
     {
         "Папката с настройките е само за четене: програмата работи със записаните настройки, но "
         "промените няма да бъдат запазени.",
         "The settings folder is read-only: the program runs with the stored settings, but changes "
         "will not be kept.",
         "Le dossier des rйglages est en lecture seule : le programme utilise les rйglages "
         "enregistrйs, mais les modifications ne seront pas conservйes.",
         "Der Ordner der Einstellungen ist schreibgeschьtzt: Das Programm nutzt die gespeicherten "
         "Einstellungen, Дnderungen werden aber nicht gespeichert.",
         "La carpeta de configuraciуn es de solo lectura: el programa usa la configuraciуn "
         "guardada, pero los cambios no se conservarбn.",
         "La cartella delle impostazioni и di sola lettura: il programma usa le impostazioni "
         "salvate, ma le modifiche non saranno conservate.",
         "Папка настроек доступна только для чтения: программа работает с сохранёнными "
         "настройками, но изменения не будут сохранены.",
     }},
    {1103,
     {
         "Пътят до програмата не може да бъде записан така, че системата да я стартира: програмата "
         "няма да се стартира със сесията. Преместете я в папка, чийто път не съдържа знака % и "
         "управляващи знаци.",
         "The program's path cannot be written so that the desktop starts it: the program will not "
         "start with the session. Move it to a folder whose path holds no % sign and no control "
         "characters.",
         "Le chemin du programme ne peut pas кtre йcrit de faзon que le bureau le lance : le "
         "programme ne dйmarrera pas avec la session. Dйplacez-le dans un dossier dont le chemin "
         "ne contient ni signe % ni caractиre de contrфle.",
         "Der Pfad des Programms lдsst sich nicht so schreiben, dass der Desktop es startet: Das "
         "Programm startet nicht mit der Sitzung. Verschieben Sie es in einen Ordner, dessen Pfad "
         "weder ein %-Zeichen noch Steuerzeichen enthдlt.",
         "La ruta del programa no se puede escribir de modo que el escritorio lo inicie: el "
         "programa no se iniciarб con la sesiуn. Muйvalo a una carpeta cuya ruta no contenga el "
         "signo % ni caracteres de control.",
         "Il percorso del programma non puт essere scritto in modo che il desktop lo avvii: il "
         "programma non partirа con la sessione. Spostatelo in una cartella il cui percorso non "
         "contenga il segno % nй caratteri di controllo.",
         "Путь к программе нельзя записать так, чтобы рабочий стол её запустил: программа не будет "
         "запускаться вместе с сеансом. Переместите её в папку, путь к которой не содержит знака % "
         "и управляющих символов.",
     }},
};

}  // namespace

std::span<const MessageEntry> Messages() {
  return kMessages;
}

}  // namespace vokabi::catalogue
