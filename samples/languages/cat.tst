
~PREÀMBUL 1
Considerant que el reconeixement de la dignitat inherent i dels drets iguals i inalienables de tots els membres de la família humana és el fonament de la llibertat, la justícia i la pau en el món;
Considerant que el desconeixement i el menyspreu dels drets humans han originat actes de barbàrie que han ultratjat la consciència de la humanitat, i que s'ha proclamat, com l'aspiració més elevada de tota persona, l'adveniment d'un món on els éssers humans, alliberats del temor i la misèria, puguen fruir de llibertat d'expressió i de creença;
~PREÀMBUL 2
Considerant que és essencial que els drets humans siguen protegits per un règim de dret per tal que les persones no es vegen forçades, com a últim recurs, a la rebel·lió contra la tirania i l'opressió;
Considerant també que és essencial promoure l'establiment de relacions amistoses entre les nacions;
~PREÀMBUL 3
Considerant que els pobles de les Nacions Unides han ratificat en la Carta la seua fe en els drets humans fonamentals, en la dignitat i el valor de les persones, i en la igualtat de drets d'hòmens i dones, i que han decidit promoure el progrés social i millorar el nivell de vida dins d'un concepte de llibertat més ampli;
~PREÀMBUL 4
Considerant que els Estats membres s'han compromés a assegurar, en cooperació amb l'Organització de les Nacions Unides, el respecte universal i efectiu dels drets humans i les llibertats fonamentals, i
Considerant que una concepció comuna d'estos drets i llibertats té la màxima importància per al ple compliment d'este compromís,
~PREÀMBUL 5
L'Assemblea General
Proclama esta Declaració Universal de Drets Humans com l'ideal comú que s'ha d'aconseguir per a tots els pobles i nacions amb el fi que cada persona i cada institució, inspirant-se constantment en esta Declaració, promoguen, a través de I'ensenyament i l'educació, el respecte a estos drets i llibertats i asseguren, amb mesures progressives nacionals i internacionals, el seu reconeixement i aplicació universals i efectius, tant entre els pobles dels Estats membres com entre els dels territoris que es troben sota la seua jurisdicció.
~Article 1
Tots els éssers humans naixen lliures i iguals en dignitat i en drets i, dotats com estan de raó i de consciència, s'han de comportar fraternalment els uns amb els altres.
~Article 2
Tota persona té tots els drets i llibertats proclamats en esta Declaració, sense cap distinció de raça, color, sexe, llengua, religió, opinió política o de qualsevol altra índole, origen nacional o social, fortuna, naixement o qualsevol altra condició.
A més, no s'ha de fer cap distinció basada en la situació política, jurídica o internacional del país o del territori del qual depenga una persona, tant si és un país independent com si està sota administració fiduciària, si no és autònom o està sotmés a qualsevol altra limitació de sobirania.
~Article 3
Tota persona té dret a la vida, a la llibertat i a la seua seguretat.
~Article 4
Ningú pot estar sotmés a l'esclavitud o la servitud. L'esclavitud i el tràfic d'esclaus estan prohibits en totes les seues formes.
~Article 5
Ningú pot ser sotmés a tortures ni a penes o tractes cruels, inhumans o degradants.
~Article 6
Tot ésser humà té dret, a tot arreu, al reconeixement de la seua personalitat jurídica.
~Article 7
Totes les persones són iguals davant de la llei i tenen, sense cap distinció, dret a la mateixa protecció per la llei. Totes les persones tenen dret a una protecció igual contra qualsevol discriminació que infringisca esta Declaració i contra qualsevol incitació a tal discriminació.
~Article 8
Tota persona té dret a un recurs efectiu davant dels tribunals nacionals competents que l'empare contra actes que violen els seus drets fonamentals reconeguts per la Constitució o per la llei.
~Article 9
Ningú serà detingut, pres o desterrat arbitràriament.
~Article 10
Tota persona té dret, en condicions de plena igualtat, a ser escoltada públicament i amb justícia per un tribunal independent i imparcial, per a determinar els seus drets i obligacions o per a examinar qualsevol acusació contra ella en matèria penal.
~Article 11
1. Tota persona acusada d'un delicte té el dret a la presumpció d'innocència fins que no es prove la seua culpabilitat, segons la llei i en un juí públic en què se li hagen assegurat totes les garanties necessàries per a la seua defensa.
2. Ningú pot ser condemnat per actes o omissions que en el moment de cometre's no eren delictius d'acord amb el dret nacional o internacional. No es pot imposar tampoc cap pena superior a l'aplicable en el moment de cometre el delicte.
~Article 12
Ningú pot ser objecte d'intromissions arbitràries en la seua vida privada, la seua família, el seu domicili o la seua correspondència, ni d'atacs al seu honor i a la seua reputació. Tota persona té dret a la protecció de la llei contra estos atacs o intromissions.
~Article 13
1. Tota persona té dret a circular lliurement i a triar la seua residència en el territori d'un estat.
2. Tota persona té dret a eixir de qualsevol país, inclús del propi, i a tornar-hi.
~Article 14
1. En cas de persecució, tota persona té dret a buscar asil en altres països i a beneficiar-se'n en qualsevol país.
2. Este dret no podrà ser invocat contra una persecució verdaderament originada per delictes comuns o per actes oposats als objectius i principis de les Nacions Unides.
~Article 15
1. Tota persona té dret a una nacionalitat.
2. Ningú pot ser privat arbitràriament de la seua nacionalitat, ni del dret de canviar de nacionalitat.
~Article 16
1. Totes les persones, a partir de l'edat núbil, tenen dret, sense cap restricció per motius de raça, nacionalitat o religió, a casar-se i fundar una família, i a fruir dels mateixos drets pel que fa al casament, durant el matrimoni i en la seua dissolució.
2. Només es podrà contraure matrimoni amb el lliure i ple consentiment dels futurs esposos.
3. La família és l'element natural i fonamental de la societat, i té dret a la protecció de la societat i de l'Estat.
~Article 17
1. Tota persona té dret a la propietat, individualment i col·lectivament.
2. Ningú pot ser privat arbitràriament de la seua propietat.
~Article 18
Tota persona té dret a la llibertat de pensament, de consciència i de religió. Este dret inclou la llibertat de canviar de religió o de creença, i també la llibertat de manifestar la religió o la creença de manera individual o col·lectiva, tant en públic com en privat, a través de l'ensenyament, la pràctica, el culte i l'observança.
~Article 19
Tota persona té dret a la llibertat d'opinió i d'expressió. Este dret inclou el de no ser molestada a causa de les pròpies opinions, el d'investigar i rebre informacions i opinions, i el de difondre-les per qualsevol mitjà i sense límit de fronteres.
~Article 20
1. Tota persona té dret a la llibertat de reunió i d'associació pacífiques.
2. Ningú pot ser obligat a pertànyer a una associació.
~Article 21
1. Tota persona té dret a participar en el govern del seu país, directament o per mitjà de representants lliurement elegits.
2. Tota persona té dret, en condicions d'igualtat, a accedir a les funcions públiques del seu país.
3. La voluntat del poble és el fonament de l'autoritat del poder públic. Esta voluntat s'ha d'expressar a través d'eleccions autèntiques que s'han de celebrar periòdicament per sufragi universal i igual, i per vot secret o per un altre procediment equivalent que garantisca la llibertat del vot.
~Article 22
Tota persona, com a membre de la societat, té dret a la seguretat social i a obtindre la satisfacció dels drets econòmics, socials i culturals, indispensables per a la seua dignitat i el lliure desenvolupament de la seua personalitat, a través de l'esforç nacional i la cooperació internacional, i d'acord amb l'organització i els recursos de cada país.
~Article 23
1. Tota persona té dret al treball, a la lliure elecció de la seua ocupació, a condicions equitatives i satisfactòries de treball, i a la protecció contra l'atur.
2. Tota persona té dret a percebre, sense cap discriminació, el mateix salari per un treball igual.
3. Tota persona que treballa té dret a una remuneració equitativa i satisfactòria que li assegure, a ella i a la seua família, una existència d'acord amb la dignitat humana, i que ha de ser completada, si és necessari, amb altres mitjans de protecció social.
4. Tota persona té dret a crear sindicats i a sindicar-se per a defendre els seus interessos.
~Article 24
Tota persona té dret al descans i al temps lliure, a una limitació raonable de la jornada de treball i a vacacions periòdiques pagades.
~Article 25
1. Tota persona té dret a un nivell de vida que li assegure, a ella i a la seua família, la salut i el benestar, i especialment l'alimentació, el vestir, l'habitatge, l'assistència mèdica i els servicis socials necessaris. També té dret a les assegurances en cas de desocupació, malaltia, incapacitat, viudetat, vellesa i altres casos de pèrdua dels seus mitjans de subsistència per circumstàncies independents de la seua voluntat.
2. La maternitat i la infància tenen dret a cures i assistència especials. Els xiquets i les xiquetes, tant si han nascut dins del matrimoni com si no, tenen dret a la mateixa protecció social.
~Article 26
1. Tota persona té dret a l'educació. L'educació ha de ser gratuïta, almenys quant a la instrucció elemental i fonamental. La instrucció elemental és obligatòria; la instrucció tècnica i professional ha de ser generalitzada, i l'accés als estudis superiors ha de ser igual per a totes les persones, d'acord amb els mèrits respectius.
2. L'educació ha de tindre per objecte el ple desenvolupament de la personalitat humana i l'enfortiment del respecte als drets humans i a les llibertats fonamentals; ha d'afavorir la comprensió, la tolerància i l'amistat entre totes les nacions i grups ètnics o religiosos, i ha de fomentar les activitats de les Nacions Unides per al manteniment de la pau.
3. El pare i la mare tenen dret preferent de triar el tipus d'educació que s'ha de donar als seus fills.
~Article 27
1. Tota persona té dret a participar lliurement en la vida cultural de la comunitat, a fruir de les arts i a prendre part en el progrés científic i beneficiar-se'n.
2. Tota persona té dret a la protecció dels interessos morals i materials que li corresponguen per raó de les produccions científiques, literàries o artístiques de què siga autora.
~Article 28
Tota persona té dret a l'establiment d'un orde social i internacional en què els drets i les llibertats proclamats en esta Declaració es facen plenament efectius.
~Article 29
1. Tota persona té deures respecte de la comunitat, ja que només en l'àmbit d'esta pot desenvolupar de manera plena i lliure la seua personalitat.
2. En l'exercici dels seus drets i de les seues llibertats, tota persona només està sotmesa a les limitacions establides per la llei amb l'única finalitat d'assegurar el reconeixement i el respecte dels drets i de les llibertats de les altres persones, i de complir les justes exigències de la moral, l'orde públic i el benestar general en una societat democràtica.
3. Estos drets i llibertats no podran mai ser exercits en oposició als objectius i principis de les Nacions Unides.
~Article 30
Res en esta Declaració s'ha d'interpretar en el sentit que conferix cap dret a l'Estat, a un grup o una persona, per a mamprendre activitats o realitzar actes tendents a suprimir qualsevol dels drets i llibertats proclamats en esta Declaració.