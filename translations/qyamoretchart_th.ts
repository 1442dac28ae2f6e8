<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th">
<context>
    <name>FamousPeople</name>
    <message>
        <source>Hugh Grant</source>
        <translation>Hugh Grant</translation>
    </message>
    <message>
        <source>Ayrton Senna</source>
        <translation>Ayrton Senna</translation>
    </message>
    <message>
        <source>Zinedine Zidane</source>
        <translation>Zinedine Zidane</translation>
    </message>
    <message>
        <source>Katy Perry</source>
        <translation>Katy Perry</translation>
    </message>
    <message>
        <source>Scarlett Johansson</source>
        <translation>Scarlett Johansson</translation>
    </message>
    <message>
        <source>Jane Fonda</source>
        <translation>Jane Fonda</translation>
    </message>
    <message>
        <source>Jack Nicholson</source>
        <translation>Jack Nicholson</translation>
    </message>
    <message>
        <source>Anthony Hopkins</source>
        <translation>Anthony Hopkins</translation>
    </message>
    <message>
        <source>Meryl Streep</source>
        <translation>Meryl Streep</translation>
    </message>
    <message>
        <source>Eddie Murphy</source>
        <translation>Eddie Murphy</translation>
    </message>
    <message>
        <source>Barack Obama</source>
        <translation>Barack Obama</translation>
    </message>
    <message>
        <source>Keira Knightley</source>
        <translation>Keira Knightley</translation>
    </message>
    <message>
        <source>Kofi Annan</source>
        <translation>Kofi Annan</translation>
    </message>
    <message>
        <source>Stevie Wonder</source>
        <translation>Stevie Wonder</translation>
    </message>
    <message>
        <source>Jodie Foster</source>
        <translation>Jodie Foster</translation>
    </message>
    <message>
        <source>Leonardo DiCaprio</source>
        <translation>Leonardo DiCaprio</translation>
    </message>
    <message>
        <source>Lady Gaga</source>
        <translation>Lady Gaga</translation>
    </message>
    <message>
        <source>Usain Bolt</source>
        <translation>Usain Bolt</translation>
    </message>
    <message>
        <source>Tina Turner</source>
        <translation>Tina Turner</translation>
    </message>
    <message>
        <source>Sally Ride</source>
        <translation>Sally Ride</translation>
    </message>
    <message>
        <source>Michael Jordan</source>
        <translation>Michael Jordan</translation>
    </message>
    <message>
        <source>David Beckham</source>
        <translation>David Beckham</translation>
    </message>
    <message>
        <source>Angelina Jolie</source>
        <translation>Angelina Jolie</translation>
    </message>
    <message>
        <source>Lionel Messi</source>
        <translation>Lionel Messi</translation>
    </message>
    <message>
        <source>John Lennon</source>
        <translation>John Lennon</translation>
    </message>
    <message>
        <source>Bruce Lee</source>
        <translation>บรูซ ลี</translation>
    </message>
    <message>
        <source>Keanu Reeves</source>
        <translation>Keanu Reeves</translation>
    </message>
    <message>
        <source>Bob Dylan</source>
        <translation>Bob Dylan</translation>
    </message>
    <message>
        <source>Stephen Hawking</source>
        <translation>Stephen Hawking</translation>
    </message>
    <message>
        <source>Muhammad Ali</source>
        <translation>Muhammad Ali</translation>
    </message>
    <message>
        <source>Pierce Brosnan</source>
        <translation>Pierce Brosnan</translation>
    </message>
    <message>
        <source>Shah Rukh Khan</source>
        <translation>Shah Rukh Khan</translation>
    </message>
    <message>
        <source>Taylor Swift</source>
        <translation>Taylor Swift</translation>
    </message>
    <message>
        <source>Paul McCartney</source>
        <translation>Paul McCartney</translation>
    </message>
    <message>
        <source>Harrison Ford</source>
        <translation>Harrison Ford</translation>
    </message>
    <message>
        <source>Jackie Chan</source>
        <translation>เฉินหลง</translation>
    </message>
    <message>
        <source>Angela Merkel</source>
        <translation>Angela Merkel</translation>
    </message>
    <message>
        <source>Emma Watson</source>
        <translation>Emma Watson</translation>
    </message>
    <message>
        <source>Mick Jagger</source>
        <translation>Mick Jagger</translation>
    </message>
    <message>
        <source>Steve Jobs</source>
        <translation>Steve Jobs</translation>
    </message>
    <message>
        <source>Tim Berners-Lee</source>
        <translation>Tim Berners-Lee</translation>
    </message>
    <message>
        <source>Nicole Kidman</source>
        <translation>Nicole Kidman</translation>
    </message>
    <message>
        <source>Julia Roberts</source>
        <translation>Julia Roberts</translation>
    </message>
    <message>
        <source>Norah Jones</source>
        <translation>Norah Jones</translation>
    </message>
    <message>
        <source>Diana Ross</source>
        <translation>Diana Ross</translation>
    </message>
    <message>
        <source>George Lucas</source>
        <translation>George Lucas</translation>
    </message>
    <message>
        <source>Tom Hanks</source>
        <translation>Tom Hanks</translation>
    </message>
    <message>
        <source>Celine Dion</source>
        <translation>Céline Dion</translation>
    </message>
    <message>
        <source>Hugh Jackman</source>
        <translation>Hugh Jackman</translation>
    </message>
    <message>
        <source>Yao Ming</source>
        <translation>เหยา หมิง</translation>
    </message>
    <message>
        <source>Eric Clapton</source>
        <translation>Eric Clapton</translation>
    </message>
    <message>
        <source>Natalie Portman</source>
        <translation>Natalie Portman</translation>
    </message>
    <message>
        <source>Roger Federer</source>
        <translation>Roger Federer</translation>
    </message>
    <message>
        <source>Serena Williams</source>
        <translation>Serena Williams</translation>
    </message>
    <message>
        <source>Cher</source>
        <translation>Cher</translation>
    </message>
    <message>
        <source>Freddie Mercury</source>
        <translation>Freddie Mercury</translation>
    </message>
    <message>
        <source>Sharon Stone</source>
        <translation>Sharon Stone</translation>
    </message>
    <message>
        <source>Prince</source>
        <translation>Prince</translation>
    </message>
    <message>
        <source>Madonna</source>
        <translation>Madonna</translation>
    </message>
    <message>
        <source>Andre Agassi</source>
        <translation>Andre Agassi</translation>
    </message>
    <message>
        <source>Matt Damon</source>
        <translation>Matt Damon</translation>
    </message>
    <message>
        <source>Anne Hathaway</source>
        <translation>Anne Hathaway</translation>
    </message>
    <message>
        <source>Elton John</source>
        <translation>Elton John</translation>
    </message>
    <message>
        <source>Stephen King</source>
        <translation>Stephen King</translation>
    </message>
    <message>
        <source>Emma Thompson</source>
        <translation>Emma Thompson</translation>
    </message>
    <message>
        <source>Ewan McGregor</source>
        <translation>Ewan McGregor</translation>
    </message>
    <message>
        <source>Chris Hemsworth</source>
        <translation>Chris Hemsworth</translation>
    </message>
    <message>
        <source>, </source>
        <comment>Between two names of the famous people&apos;s list</comment>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>โอกาสทำธุรกิจที่บ้าน เริ่มธุรกิจออนไลน์ของคุณเองและสร้างรายได้ทางอินเทอร์เน็ต รับซอฟต์แวร์นี้ติดแบรนด์เว็บไซต์ของคุณเต็มรูปแบบ คลิกที่นี่เพื่อดูรายละเอียด</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>ร่วมแบรนด์ซอฟต์แวร์นี้กับเว็บไซต์ของคุณ เพิ่มลูกค้าประจำและยอดผู้เข้าชมเว็บไซต์ ใส่ชื่อและลิงก์เว็บไซต์ของคุณไว้ตรงนี้ ดูรายละเอียดใน “วิธีใช้” คลิกที่นี่เพื่อดูข้อมูลการร่วมแบรนด์</translation>
    </message>
    <message>
        <source>Visit our online discussion forum at %1</source>
        <translation>เยี่ยมชมกระดานสนทนาออนไลน์ของเราได้ที่ %1</translation>
    </message>
    <message>
        <source>Share your reading in our discussion forum. Click here to visit %1</source>
        <translation>แบ่งปันผลทำนายของคุณในกระดานสนทนาของเรา คลิกที่นี่เพื่อไปที่ %1</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>ตกลง(&amp;O)</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>เลิกทำ(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>ทำซ้ำ(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>ตัด(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>คัดลอก(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>วาง(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>เลือกทั้งหมด</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>ใช่(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>ไม่ใช่(&amp;N)</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>January</source>
        <translation>มกราคม</translation>
    </message>
    <message>
        <source>February</source>
        <translation>กุมภาพันธ์</translation>
    </message>
    <message>
        <source>March</source>
        <translation>มีนาคม</translation>
    </message>
    <message>
        <source>April</source>
        <translation>เมษายน</translation>
    </message>
    <message>
        <source>May</source>
        <translation>พฤษภาคม</translation>
    </message>
    <message>
        <source>June</source>
        <translation>มิถุนายน</translation>
    </message>
    <message>
        <source>July</source>
        <translation>กรกฎาคม</translation>
    </message>
    <message>
        <source>August</source>
        <translation>สิงหาคม</translation>
    </message>
    <message>
        <source>September</source>
        <translation>กันยายน</translation>
    </message>
    <message>
        <source>October</source>
        <translation>ตุลาคม</translation>
    </message>
    <message>
        <source>November</source>
        <translation>พฤศจิกายน</translation>
    </message>
    <message>
        <source>December</source>
        <translation>ธันวาคม</translation>
    </message>
    <message>
        <source>Rat</source>
        <translation>ชวด (หนู)</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>ฉลู (วัว)</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>ขาล (เสือ)</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>เถาะ (กระต่าย)</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>มะโรง (มังกร)</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>มะเส็ง (งู)</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>มะเมีย (ม้า)</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>มะแม (แพะ)</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>วอก (ลิง)</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>ระกา (ไก่)</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>จอ (หมา)</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>กุน (หมู)</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>ทอง</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>น้ำ</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>ไม้</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>ไฟ</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>ดิน</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>ดาวพฤหัสบดี</translation>
    </message>
    <message>
        <source>Dragon, Monkey</source>
        <translation>มะโรง (มังกร) และวอก (ลิง)</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>สีฟ้าอ่อน</translation>
    </message>
    <message>
        <source>Carbuncle, Red Garnet</source>
        <translation>โกเมนหลังเบี้ยและโกเมนแดง</translation>
    </message>
    <message>
        <source>Yin (positive)</source>
        <translation>หยิน</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>ฤดูหนาว</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>ดาวเสาร์</translation>
    </message>
    <message>
        <source>Snake, Rooster</source>
        <translation>มะเส็ง (งู) และระกา (ไก่)</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>สีม่วง</translation>
    </message>
    <message>
        <source>White Onyx</source>
        <translation>โอนิกซ์สีขาว</translation>
    </message>
    <message>
        <source>End of Winter</source>
        <translation>ปลายฤดูหนาว</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>ดาวยูเรนัส</translation>
    </message>
    <message>
        <source>Horse, Dog</source>
        <translation>มะเมีย (ม้า) และจอ (หมา)</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>สีเขียว</translation>
    </message>
    <message>
        <source>Sapphire</source>
        <translation>ไพลิน</translation>
    </message>
    <message>
        <source>Yang (Negative)</source>
        <translation>หยาง</translation>
    </message>
    <message>
        <source>Early Spring</source>
        <translation>ต้นฤดูใบไม้ผลิ</translation>
    </message>
    <message>
        <source>Goat, Pig</source>
        <translation>มะแม (แพะ) และกุน (หมู)</translation>
    </message>
    <message>
        <source>Pale Green</source>
        <translation>สีเขียวอ่อน</translation>
    </message>
    <message>
        <source>Chrysolite</source>
        <translation>เพอริดอต</translation>
    </message>
    <message>
        <source>Mid Spring</source>
        <translation>กลางฤดูใบไม้ผลิ</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>ดาวอังคาร</translation>
    </message>
    <message>
        <source>Rat, Monkey</source>
        <translation>ชวด (หนู) และวอก (ลิง)</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>สีฟ้าอมเขียว</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>อเมทิสต์</translation>
    </message>
    <message>
        <source>End of Spring</source>
        <translation>ปลายฤดูใบไม้ผลิ</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>ดาวศุกร์</translation>
    </message>
    <message>
        <source>Ox, Rooster</source>
        <translation>ฉลู (วัว) และระกา (ไก่)</translation>
    </message>
    <message>
        <source>Tiger, Pig</source>
        <translation>ขาล (เสือ) และกุน (หมู)</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>สีแดง</translation>
    </message>
    <message>
        <source>Mossagate</source>
        <translation>มอสอาเกต</translation>
    </message>
    <message>
        <source>Yin (Positive Energy)</source>
        <translation>หยิน</translation>
    </message>
    <message>
        <source>Early Summer</source>
        <translation>ต้นฤดูร้อน</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>ดาวพุธ</translation>
    </message>
    <message>
        <source>Tiger, Dog</source>
        <translation>ขาล (เสือ) และจอ (หมา)</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>สีส้ม</translation>
    </message>
    <message>
        <source>Beryl</source>
        <translation>เบริล</translation>
    </message>
    <message>
        <source>Mid Summer</source>
        <translation>กลางฤดูร้อน</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>ดวงจันทร์</translation>
    </message>
    <message>
        <source>Rabbit, Pig</source>
        <translation>เถาะ (กระต่าย) และกุน (หมู)</translation>
    </message>
    <message>
        <source>Pink, Purple</source>
        <translation>สีชมพูและสีม่วง</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>มรกต</translation>
    </message>
    <message>
        <source>Yin (Positive)</source>
        <translation>หยิน</translation>
    </message>
    <message>
        <source>End of Summer</source>
        <translation>ปลายฤดูร้อน</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>ดวงอาทิตย์</translation>
    </message>
    <message>
        <source>Rat, Dragon</source>
        <translation>ชวด (หนู) และมะโรง (มังกร)</translation>
    </message>
    <message>
        <source>Yellow, Gold</source>
        <translation>สีเหลืองและสีทอง</translation>
    </message>
    <message>
        <source>Early Autumn</source>
        <translation>ต้นฤดูใบไม้ร่วง</translation>
    </message>
    <message>
        <source>Ox, Dragon, Snake</source>
        <translation>ฉลู (วัว) มะโรง (มังกร) และมะเส็ง (งู)</translation>
    </message>
    <message>
        <source>Peach, Apricot</source>
        <translation>สีพีชและสีแอปริคอต</translation>
    </message>
    <message>
        <source>Pin Jasper</source>
        <translation>แจสเปอร์</translation>
    </message>
    <message>
        <source>Mid Autumn</source>
        <translation>กลางฤดูใบไม้ร่วง</translation>
    </message>
    <message>
        <source>Tiger, Horse</source>
        <translation>ขาล (เสือ) และมะเมีย (ม้า)</translation>
    </message>
    <message>
        <source>Pale Yellow</source>
        <translation>สีเหลืองอ่อน</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>เพชร</translation>
    </message>
    <message>
        <source>End of Autumn</source>
        <translation>ปลายฤดูใบไม้ร่วง</translation>
    </message>
    <message>
        <source>Rabbit, Goat</source>
        <translation>เถาะ (กระต่าย) และมะแม (แพะ)</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation>สีน้ำเงินเข้ม</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>โทแพซ</translation>
    </message>
    <message>
        <source>Early Winter</source>
        <translation>ต้นฤดูหนาว</translation>
    </message>
    <message>
        <source>West (247.6 - 292.5 degrees)</source>
        <translation>ทิศตะวันตก (247.6 ถึง 292.5 องศา)</translation>
    </message>
    <message>
        <source>Place a statue or picture of a rooster here</source>
        <translation>วางรูปปั้นหรือภาพวาดไก่ตัวผู้ไว้ที่ทิศนี้</translation>
    </message>
    <message>
        <source>South (157.6 - 202.5 degrees)</source>
        <translation>ทิศใต้ (157.6 ถึง 202.5 องศา)</translation>
    </message>
    <message>
        <source>Place statue or picture of a horse here</source>
        <translation>วางรูปปั้นหรือภาพวาดม้าไว้ที่ทิศนี้</translation>
    </message>
    <message>
        <source>East (67.6 - 112.5 degrees)</source>
        <translation>ทิศตะวันออก (67.6 ถึง 112.5 องศา)</translation>
    </message>
    <message>
        <source>Place a statue or picture of a rabbit here</source>
        <translation>วางรูปปั้นหรือภาพวาดกระต่ายไว้ที่ทิศนี้</translation>
    </message>
    <message>
        <source>North (337.6 degrees to 22.5 degrees)</source>
        <translation>ทิศเหนือ (337.6 องศา ถึง 22.5 องศา)</translation>
    </message>
    <message>
        <source>Place a statue or picture of a rat here</source>
        <translation>วางรูปปั้นหรือภาพวาดหนูไว้ที่ทิศนี้</translation>
    </message>
    <message>
        <source>You are very focused and confident. Obstacles never frighten you or slow you down. You are self-reliant and dislike interference. You may be stubborn, headstrong and impulsive, but your inner strength is great. You enjoy the good things in life. You may expect as much from others as you do from yourself.</source>
        <translation>ผู้เกิดปีธาตุทองอย่างคุณมุ่งมั่นและมั่นใจในตัวเอง ไม่เคยหวั่นหรือชะลอฝีเท้าเพราะอุปสรรค คุณพึ่งพาตัวเองได้และไม่ชอบให้ใครมาก้าวก่าย อาจดื้อรั้น ไม่ค่อยฟังใคร และหุนหันพลันแล่นอยู่บ้าง แต่มีจิตใจเข้มแข็งยิ่งนัก คุณรู้จักดื่มด่ำกับสิ่งดี ๆ ในชีวิต และอาจคาดหวังจากผู้อื่นมากพอ ๆ กับที่คาดหวังจากตัวเอง</translation>
    </message>
    <message>
        <source>You have the fluidity of water and solve issues with your silent charm. You persuade others subtly, never by force. Your manner is always diplomatic. People trust you completely. Your intuition lets you read what others think. You communicate well and influence people with ease. You organize things well, but you may be inconsistent.</source>
        <translation>ผู้เกิดปีธาตุน้ำอย่างคุณพลิ้วไหวดุจสายน้ำ คลี่คลายปัญหาได้ด้วยเสน่ห์เงียบ ๆ ของคุณ คุณโน้มน้าวผู้อื่นอย่างแนบเนียนโดยไม่เคยใช้การบังคับ วางตัวนุ่มนวลเสมอ ผู้คนไว้ใจคุณเต็มที่ สัญชาตญาณช่วยให้คุณอ่านใจคนออก คุณสื่อสารเก่งและชักจูงใจคนได้ง่าย จัดการเรื่องต่าง ๆ ได้ดี แต่บางครั้งก็ไม่คงเส้นคงวา</translation>
    </message>
    <message>
        <source>You are very confident about yourself. You have a dignified presence and do not chase after things. You are organized and work in a methodical way. You like teamwork and gladly share the fruits of success with others. You are not selfish. Your interests are wide and varied. You may depend too much on others. You should take on only as much responsibility as you can handle. Your knowledge and experience grow more useful with time.</source>
        <translation>ผู้เกิดปีธาตุไม้อย่างคุณมั่นใจในตัวเองสูง มีบุคลิกสง่างามและไม่ไขว่คว้าแก่งแย่ง คุณทำงานอย่างมีระบบระเบียบ ชอบทำงานเป็นทีมและยินดีแบ่งปันผลแห่งความสำเร็จกับผู้อื่น ไม่เห็นแก่ตัว คุณสนใจสิ่งต่าง ๆ อย่างกว้างขวางหลากหลาย บางครั้งอาจพึ่งพาผู้อื่นมากเกินไป และควรรับผิดชอบเพียงเท่าที่ตนรับไหว ความรู้และประสบการณ์ของคุณจะยิ่งมีค่าขึ้นตามกาลเวลา</translation>
    </message>
    <message>
        <source>You have an impulsive nature. You are truly charming. As a leader and motivator, you attract people easily. You hold to your ideals, and no one can talk you out of them. You are sure of your decisions. You are aggressive and love to explore new ground. You are simply made for challenges. At times you can be dominating. You are also highly ambitious.</source>
        <translation>ผู้เกิดปีธาตุไฟอย่างคุณทำตามแรงกระตุ้นและมีเสน่ห์อย่างแท้จริง ในฐานะผู้นำและผู้จุดประกาย คุณดึงดูดผู้คนได้ง่าย คุณยึดมั่นในอุดมการณ์ ไม่มีใครเกลี้ยกล่อมให้เปลี่ยนใจได้ และมั่นใจในการตัดสินใจของตน คุณกล้าบุกตะลุยและชอบบุกเบิกสิ่งใหม่ เกิดมาเพื่อรับความท้าทายโดยแท้ บางครั้งอาจชอบควบคุมผู้อื่นไปบ้าง และมีความทะเยอทะยานสูง</translation>
    </message>
    <message>
        <source>You are more logical than emotional in nature. Your quiet, dignified presence earns the respect of others. You are prudent and always stay in control. The unfamiliar can make you uneasy. You are particular about details and serious about life. You are a good organizer and planner. You are disciplined and conservative.</source>
        <translation>ผู้เกิดปีธาตุดินอย่างคุณใช้เหตุผลมากกว่าอารมณ์ บุคลิกสุขุมสง่างามทำให้คุณได้รับความเคารพจากผู้อื่น คุณรอบคอบและควบคุมสถานการณ์ได้เสมอ สิ่งที่ไม่คุ้นเคยอาจทำให้คุณไม่สบายใจ คุณละเอียดถี่ถ้วนและจริงจังกับชีวิต เป็นนักจัดการและนักวางแผนที่ดี มีวินัยและหัวอนุรักษ์นิยม</translation>
    </message>
</context>
<context>
    <name>ResultRows</name>
    <message>
        <source>Chinese Sign</source>
        <translation>ปีนักษัตร</translation>
    </message>
    <message>
        <source>Romance Direction</source>
        <translation>ทิศความรัก</translation>
    </message>
    <message>
        <source>Peach Blossom Advice</source>
        <translation>เคล็ดเสริมดอกท้อ</translation>
    </message>
    <message>
        <source>Chinese Element</source>
        <translation>ธาตุประจำปี</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>ดาวเจ้าเรือน</translation>
    </message>
    <message>
        <source>Most Compatible</source>
        <translation>ถูกโฉลกที่สุด</translation>
    </message>
    <message>
        <source>Least Compatible</source>
        <translation>ถูกโฉลกน้อยที่สุด</translation>
    </message>
    <message>
        <source>Favourable Seasons</source>
        <translation>ฤดูมงคล</translation>
    </message>
    <message>
        <source>Favourable Month</source>
        <translation>เดือนมงคล</translation>
    </message>
    <message>
        <source>Lucky Color</source>
        <translation>สีมงคล</translation>
    </message>
    <message>
        <source>GemStone</source>
        <translation>อัญมณีมงคล</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>หยินหยาง</translation>
    </message>
    <message>
        <source>Famous People</source>
        <translation>คนดังนักษัตรเดียวกัน</translation>
    </message>
</context>
<context>
    <name>SignPicture</name>
    <message>
        <source>rat ox tiger rabbit dragon snake horse goat monkey rooster dog pig</source>
        <comment>The animals the twelve signs&apos; pictures draw, in sign order, a blank between two. Keep them, or where the reader&apos;s tradition has another animal for a year put cat, water_buffalo or wild_boar in its place; a word of any other kind is ignored.</comment>
        <translation>rat ox tiger rabbit dragon snake horse goat monkey rooster dog pig</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Application is already running</source>
        <translation>โปรแกรมกำลังทำงานอยู่แล้ว</translation>
    </message>
</context>
<context>
    <name>UpdateNotice</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>อาจมีอัปเดตใหม่สำหรับซอฟต์แวร์นี้<byte value="xd"/>คุณต้องการตรวจหาการอัปเดตหรือไม่?</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>.</source>
        <comment>The full stop that ends a sentence read aloud</comment>
        <translation> </translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>QY Amoret Chart or Yi Jing is a Chinese method of finding and activating your romance direction. This software gives you advice based on your romance direction. All rights to this software are held by the makers of QY Amoret Chart.</source>
        <translation>QY ผังดวงดอกท้อ ใช้ศาสตร์จีนตามคัมภีร์อี้จิงในการค้นหาและเสริมพลังทิศความรักของคุณ ซอฟต์แวร์นี้ให้คำแนะนำตามทิศความรักของคุณ สิทธิ์ทั้งหมดในซอฟต์แวร์นี้เป็นของผู้สร้าง QY ผังดวงดอกท้อ</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>โอกาสทำธุรกิจที่บ้าน เริ่มธุรกิจออนไลน์ของคุณเองและสร้างรายได้ทางอินเทอร์เน็ต รับซอฟต์แวร์นี้ติดแบรนด์เว็บไซต์ของคุณเต็มรูปแบบ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>คลิกที่นี่เพื่อเยี่ยมชม %1</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>คลิกที่นี่เพื่อดูรายละเอียด</translation>
    </message>
    <message>
        <source>QY Amoret Chart icon</source>
        <translation>ไอคอน QY ผังดวงดอกท้อ</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Know more about your romance direction with the Chinese Amoret Chart. Enter your personal details to get started.</source>
        <translation>รู้จักทิศความรักของคุณให้มากขึ้นด้วยผังดวงดอกท้อแบบจีน กรอกข้อมูลส่วนตัวของคุณเพื่อเริ่มต้น</translation>
    </message>
    <message>
        <source>Your Details Please</source>
        <translation>ข้อมูลของคุณ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>ชื่อ</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>วันเกิด</translation>
    </message>
    <message>
        <source>Birth Date: Day</source>
        <translation>วันเกิด: วันที่</translation>
    </message>
    <message>
        <source>Birth Date: Month</source>
        <translation>วันเกิด: เดือน</translation>
    </message>
    <message>
        <source>Birth Date: Year</source>
        <translation>วันเกิด: ปี ค.ศ.</translation>
    </message>
    <message>
        <source>&amp;Get My Peach Blossom Reading</source>
        <translation>ดูดวงดอกท้อของฉัน(&amp;G)</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>กรุณากรอกชื่อของคุณ</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>กรุณาระบุวันที่หรือเดือนให้ถูกต้อง</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>กรุณาระบุวันที่หรือเดือนให้ถูกต้อง</translation>
    </message>
</context>
<context>
    <name>frmPeachBlossomResult</name>
    <message>
        <source>QY Amoret Chart Results</source>
        <translation>ผลทำนาย QY ผังดวงดอกท้อ</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>ออก(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>กลับ(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>พิมพ์(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ไฟล์(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>วิธีใช้(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>วิธีใช้ออนไลน์(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>เยี่ยมชมเว็บไซต์(&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>ตรวจหาการอัปเดตซอฟต์แวร์(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>เกี่ยวกับซอฟต์แวร์(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>บริจาค(&amp;D)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Chinese Sign picture</source>
        <translation>ภาพสัตว์ประจำปีนักษัตร</translation>
    </message>
    <message>
        <source>A %1 drawn in white on a purple disc</source>
        <translation>ภาพปี%1 เป็นลายเส้นสีขาวบนวงกลมสีม่วง</translation>
    </message>
</context>
<context>
    <name>look</name>
    <message>
        <source>QY Amoret Chart v1.0</source>
        <translation>QY ผังดวงดอกท้อ v1.0</translation>
    </message>
    <message>
        <source>QY Amoret Chart</source>
        <translation>QY ผังดวงดอกท้อ</translation>
    </message>
    <message>
        <source>Ag</source>
        <comment>Never shown: a few letters of this language&apos;s script, to measure how tall its lines are</comment>
        <translation>ปั้ ฟื้ ฎุ ฏู ญู</translation>
    </message>
</context>
</TS>
